// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayFailure.h"

#include <algorithm>

namespace platform {
namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The socket a Wayland client connects to: WAYLAND_DISPLAY ("wayland-0" when not set) in the
// runtime folder, or as it stands when it is a path.
std::string whatWaylandNeeded(const DisplayFacts& facts) {
    const std::string name = facts.waylandDisplay.value_or("wayland-0");
    const std::string named =
        facts.waylandDisplay ? "WAYLAND_DISPLAY=" + name : "WAYLAND_DISPLAY não está definida";
    if (!name.empty() && name.front() == '/')
        return "nenhum servidor Wayland respondeu em " + name + " (" + named + ")";
    if (!facts.runtimeDir || facts.runtimeDir->empty())
        return "a variável XDG_RUNTIME_DIR, onde fica o soquete do Wayland, não está definida";
    return "nenhum servidor Wayland respondeu em " + *facts.runtimeDir + "/" + name + " (" + named + ")";
}

std::string whatFailed(const std::string& platform, const DisplayFacts& facts) {
    const bool wayland = platform.rfind("wayland", 0) == 0;
    if (contains(facts.notInstalled, platform))
        return "a plataforma \"" + platform + "\" não está instalada" +
               (wayland ? " (pacote qt6-wayland)" : "");
    if (platform == "xcb") {
        if (!facts.display || facts.display->empty())
            return "a variável DISPLAY não está definida";
        return "o servidor X em DISPLAY=" + *facts.display +
               (facts.xServerAnswers ? " recusou a conexão" : " não respondeu");
    }
    if (wayland)
        return whatWaylandNeeded(facts);
    return "a plataforma \"" + platform + "\" não pôde ser iniciada";
}

// The platforms to describe: those Qt said it tried, else the user's list, else Qt's usual one.
std::vector<std::string> tried(const DisplayFacts& facts) {
    if (!facts.failed.empty())
        return facts.failed;
    std::vector<std::string> names;
    const std::string list = facts.chosenPlatform.empty() ? "xcb" : facts.chosenPlatform;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        if (end > start)
            names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

} // namespace

void notePlatformMessage(const std::string& message, DisplayFacts& facts) {
    // Qt 6.4 to 6.8: 'Could not load the Qt platform plugin "xcb" in "" even though it was found.'
    // and 'Could not find the Qt platform plugin "nenhuma" in ""'.
    static const std::string kLoad = "Could not load the Qt platform plugin \"";
    static const std::string kFind = "Could not find the Qt platform plugin \"";
    const bool found = message.find(kLoad) != std::string::npos;
    const std::size_t at = found ? message.find(kLoad) : message.find(kFind);
    if (at == std::string::npos)
        return;
    const std::size_t start = at + kLoad.size(); // both lead-ins are as long
    const std::size_t end = message.find('"', start);
    if (end == std::string::npos)
        return;
    const std::string name = message.substr(start, end - start);
    if (!contains(facts.failed, name))
        facts.failed.push_back(name);
    if (!found && !contains(facts.notInstalled, name))
        facts.notInstalled.push_back(name);
}

std::string displayFailureLine(const DisplayFacts& facts) {
    std::string line = "Orvane: não foi possível abrir a janela";
    if (!facts.chosenWhere.empty()) {
        line += " na plataforma \"" + facts.chosenPlatform + "\" escolhida " +
                (facts.chosenWhere == "-platform" ? "com a opção -platform" : "em " + facts.chosenWhere);
    }
    line += ": ";
    const std::vector<std::string> platforms = tried(facts);
    for (std::size_t i = 0; i < platforms.size(); ++i)
        line += (i ? "; " : "") + whatFailed(platforms[i], facts);
    if (platforms.empty())
        line += "nenhuma tela gráfica disponível";
    return line + ".\n";
}

} // namespace platform
