// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCard.h"

#include "ElementTable.h"
#include "ValueDecoders.h"

#include <algorithm>
#include <cstdio>

namespace card {
namespace {

constexpr std::string_view kConductivityUnit = " E6/ohms/m";
constexpr std::string_view kMissing = "---";

bool isElement(int z) {
    return z >= 1 && z <= TPDEQ::kElementCount;
}

} // namespace

std::string entryText(int atomicNumber) {
    if (!isElement(atomicNumber))
        return {};
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03d", atomicNumber);
    const auto z = std::int16_t(atomicNumber);
    return std::string(TPDEQ::ElementText(z, TPDEQ::name)) + " - " + digits;
}

std::optional<int> atomicNumberOf(std::string_view entry) {
    if (entry.size() < 3)
        return std::nullopt;
    const std::string_view digits = entry.substr(entry.size() - 3);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int z = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
    return isElement(z) ? std::optional(z) : std::nullopt;
}

std::string cellToolTip(int atomicNumber) {
    if (!isElement(atomicNumber))
        return {};
    return std::to_string(atomicNumber) + " - " + std::string(TPDEQ::ElementText(std::int16_t(atomicNumber), TPDEQ::name));
}

std::string shown(Box box, std::string text) {
    if (box <= englishNameBox && TPDEQ::showsDecimalComma(box))
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::array<std::string, kBoxCount> boxTexts(int atomicNumber) {
    std::array<std::string, kBoxCount> texts;
    if (!isElement(atomicNumber))
        return texts;
    const auto z = std::int16_t(atomicNumber);
    for (std::size_t n = atomicNumberBox; n <= englishNameBox; ++n)
        texts[n] = shown(Box(n), std::string(TPDEQ::ElementText(z, TPDEQ::ElementField(n))));
    if (texts[conductivityBox] != kMissing)
        texts[conductivityBox] += kConductivityUnit;
    texts[latticeBox] = TPDEQ::LatticeName(z);
    texts[stateBox] = TPDEQ::StateName(z);
    texts[originBox] = TPDEQ::OriginName(z);
    texts[casBox] = TPDEQ::ElementText(z, TPDEQ::casNumber);
    return texts;
}

} // namespace card
