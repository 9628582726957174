// SPDX-License-Identifier: GPL-3.0-or-later
// The search: the published examples of the passes, the accent folding and upper-casing
// on code points, many random texts, and the report text built from what the window shows.
#include "data/ElementTable.h"
#include "data/RandomSource.h"
#include "data/Report.h"
#include "data/Search.h"

#include <QtTest>

namespace {

constexpr int kIgnored = -1;
constexpr int kInfo = -2;
constexpr int kNotFound = 0;

int outcome(const std::u32string& typed) {
    const search::Result result = search::run(typed);
    switch (result.outcome) {
    case search::Outcome::Ignored:
        return kIgnored;
    case search::Outcome::InfoWindow:
        return kInfo;
    case search::Outcome::NotFound:
        return kNotFound;
    case search::Outcome::Found:
        return result.atomicNumber;
    }
    return -99;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
  private slots:
    void examples_data();
    void examples();
    void foldingAndUpperCaseWorkOnCodePoints();
    void randomTextsEndInOneOutcome();
    void everyWholeNameFindsItsElement();
    void reportLines();
};

void TestSearch::examples_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found"); // atomic number; 0 nothing found; -1 ignored; -2 information window
    // clang-format off
    const std::pair<const char*, int> rows[] = {
        {"Fe", 26}, {"fe", 26}, {" Fe", kNotFound},      // symbol, any case, no trimming
        {"Co", 27}, {"Cob", 27}, {"Cobre", 29},          // symbol in pass 1; Cob in pass 2, before copper
        {"Ferrugem", 26}, {"hidrogenio", 1}, {"sodio", 11}, {"Iron", 26}, {"Gold", 79},
        {"Itrio", 39}, {"Iterbio", 70},                  // only without accents, in pass 3
        {"Ou", 79},                                      // two letters, pass 4
        {"1", 1}, {"118", 118}, {"001", kNotFound}, {"119", kNotFound}, {"Xx", kNotFound},
        {"Q.X.W.J.", kInfo}, {"q.x.w.j.", kNotFound}, {"", kIgnored},
        {"Hélio", 2}, {"HÉLIO", 2}, {"ÍTRIO", 39}, {"Ródio", 45},
        {"rodi", 45}, {"tuli", 69}, {"fosf", 15}, {"Rutherfordi", 44},       // Ó, Ú folded in pass 3; five letters
        {"Uuo", 118}, {"Unonóctio", 118}, {"OURO", 79}, {"OUROX", 79}, {"Ur", 92},
        // The names and symbols given to 112 to 118 since; "Fl" stays fluorine's.
        {"Copernício", 112}, {"Copernicium", 112}, {"copernicio", 112}, {"Cn", 112},
        {"Nihônio", 113}, {"Nihonium", 113}, {"NIHONIO", 113}, {"nh", 113},
        {"Fleróvio", 114}, {"Flerovium", 114}, {"flerovio", 114}, {"Fl", 9},
        {"Moscóvio", 115}, {"Moscovium", 115}, {"moscovio", 115}, {"Mc", 115},
        {"Livermório", 116}, {"Livermorium", 116}, {"livermorio", 116}, {"LV", 116},
        {"Tenesso", 117}, {"Tennessine", 117}, {"tenesso", 117}, {"Ts", 117},
        {"Oganessônio", 118}, {"Oganesson", 118}, {"oganessonio", 118}, {"Og", 118},
        {"Nihoniu", 7}, {"Livermori", 3}, {"Copernic", 29},   // not whole names: the prefix passes
    };
    // clang-format on
    for (const auto& [typed, found] : rows)
        QTest::newRow(typed) << QString::fromUtf8(typed) << found;
}

void TestSearch::examples() {
    QFETCH(QString, typed);
    QFETCH(int, found);
    QCOMPARE(outcome(typed.toStdU32String()), found);
}

void TestSearch::foldingAndUpperCaseWorkOnCodePoints() {
    QCOMPARE(search::FoldAccents(U"ÀÁÂÃÄÅàáâãäåÈÉÊËèéêëÌÍÎÏìíîïÇç"), std::u32string(U"AAAAAAaaaaaaEEEEeeeeIIIIiiiiCc"));
    QCOMPARE(search::FoldAccents(U"ÒÓÔÕÖÙÚÛÜòóôõöùúûüÑñÝýÿŸ"), std::u32string(U"OOOOOUUUUooooouuuuNnYyyY"));
    QCOMPARE(search::FoldAccents(U"ÆæØøÐðÞþß×÷€"), std::u32string(U"ÆæØøÐðÞþß×÷€"));
    QCOMPARE(search::UpperCase(U"açãoéÿšœžß÷µ𝔞"), std::u32string(U"AÇÃOÉŸŠŒŽß÷µ𝔞"));
    QCOMPARE(search::fromUtf8("H\xC3\xA9lio"), std::u32string(U"Hélio"));
    // Broken UTF-8 gives one replacement character per bad byte, never a crash.
    QCOMPARE(search::fromUtf8("a\xC3"), std::u32string(U"a\uFFFD"));
    QCOMPARE(search::fromUtf8("\xED\xA0\x80!"), std::u32string(U"\uFFFD\uFFFD\uFFFD!")); // a surrogate
    QCOMPARE(search::fromUtf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));             // overlong "/"
    QCOMPARE(search::fromUtf8("\xF0\x9F\x98\x80"), std::u32string(U"😀"));
}

void TestSearch::randomTextsEndInOneOutcome() {
    // Random texts of up to 20 characters from ASCII, Latin-1, combining marks, right-to-left
    // letters, controls, surrogate code points and emoji: each ends in one outcome, the same
    // every time, and a found element is one of the 118.
    const char32_t ranges[][2] = {{0x20, 0x7E},   {0x00, 0x1F},   {0xA0, 0xFF},   {0x300, 0x36F},
                                  {0x5D0, 0x5EA}, {0x627, 0x64A}, {0xD800, 0xDFFF}, {0x1F600, 0x1F64F}};
    RandomSource random(2024);
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        std::u32string typed;
        for (int length = random.nearestOfScaled(20); length > 0; --length) {
            const auto& range = ranges[random.nearestOfScaled(int(std::size(ranges)) - 1)];
            typed.push_back(range[0] + char32_t(random.nearestOfScaled(int(range[1] - range[0]))));
        }
        const int first = outcome(typed);
        QVERIFY(first >= kInfo && first <= 118);
        QCOMPARE(outcome(typed), first);
        found += first > 0;
    }
    QVERIFY(found > 0);
}

void TestSearch::everyWholeNameFindsItsElement() {
    // Each Portuguese and English name typed whole, in lower case, in upper case or with every
    // accent left off, finds that element and no other (Unicode's own case and decomposition
    // tables spell the variants, not the search's).
    const auto withoutAccents = [](const QString& text) {
        QString plain;
        for (const QChar c : text.normalized(QString::NormalizationForm_D))
            if (c.category() != QChar::Mark_NonSpacing)
                plain += c;
        return plain;
    };
    for (std::int16_t z = 1; z <= 118; ++z) {
        for (const TPDEQ::ElementField field : {TPDEQ::ElementField::name, TPDEQ::ElementField::englishName}) {
            const std::string_view utf8 = TPDEQ::ElementText(z, field);
            const QString name = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
            for (const QString& typed : {name.toLower(), name.toUpper(), withoutAccents(name.toLower())})
                QVERIFY2(outcome(typed.toStdU32String()) == z, qPrintable(QStringLiteral("%1: %2").arg(z).arg(typed)));
        }
    }
}

void TestSearch::reportLines() {
    report::Shown iron{"Ferro - 026", "Fe", "7439-89-6", {}, {}};
    for (std::size_t i = 0; i < 21; ++i) {
        iron.captions[i] = "Campo " + std::to_string(i + 1);
        iron.values[i] = "v" + std::to_string(i + 1);
    }
    iron.values[14] = "11,2 E6/ohms/m";
    const std::string text = report::text(iron);
    QVERIFY(text.starts_with("Nome = Ferro - 026\r\nSímbolo = Fe\r\nCas-ID = 7439-89-6\r\nCampo 1 = v1\r\n"));
    QVERIFY(text.ends_with("\r\nCampo 15 = 11,2 E6/ohms/m\r\nCampo 16 = v16\r\nCampo 17 = v17\r\nCampo 18 = v18"
                           "\r\nCampo 19 = v19\r\nCampo 20 = v20\r\nCampo 21 = v21"));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 23L);
    QCOMPARE(std::count(text.begin(), text.end(), '\r'), 23L);
    // Empty values end their lines in " = ".
    report::Shown blank = iron;
    blank.casId.clear();
    blank.values[0].clear();
    QVERIFY(report::text(blank).find("Cas-ID = \r\nCampo 1 = \r\nCampo 2 = v2") != std::string::npos);
    QCOMPARE(report::caption("Ferro - 026"), std::string(" Orvane - Dados do elemento: Ferro - 026"));
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
