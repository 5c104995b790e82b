#include "ui/batch_script.h"

#include <gtest/gtest.h>

namespace wayloom {
namespace {

using Words = std::vector<std::string>;

TEST(SplitScriptLine, WordsAndQuotes) {
    EXPECT_EQ(SplitScriptLine("open ruta.itn"), (Words{"open", "ruta.itn"}));
    EXPECT_EQ(SplitScriptLine("  save-as \t\"Mis rutas/a b.csv\"  utf8 "), (Words{"save-as", "Mis rutas/a b.csv", "utf8"}));
    EXPECT_EQ(SplitScriptLine("option \"Lng First\" 1"), (Words{"option", "Lng First", "1"}));
    EXPECT_EQ(SplitScriptLine(R"(open "say \"hi\".itn")"), (Words{"open", "say \"hi\".itn"}));
    EXPECT_EQ(SplitScriptLine("open \"\""), (Words{"open", ""}));
    EXPECT_EQ(SplitScriptLine("open \"unclosed"), std::nullopt);
}

TEST(ParseRowList, RangesAndSingles) {
    EXPECT_EQ(ParseRowList("0,2-4"), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(ParseRowList("5"), (std::vector<int>{5}));
    EXPECT_EQ(ParseRowList("3,1"), (std::vector<int>{3, 1}));
    for (const char* bad : {"", "a", "1,", "-1", "4-2", "1--2", "1,,2", "2-"}) EXPECT_EQ(ParseRowList(bad), std::nullopt) << bad;
}

TEST(EscapeLine, LineBreaksAndTabs) {
    EXPECT_EQ(EscapeLine("No se puede abrir el archivo\n\nruta.itn"), "No se puede abrir el archivo\\n\\nruta.itn");
    EXPECT_EQ(EscapeLine("a\tb\\c"), "a\\tb\\\\c");
}

}  // namespace
}  // namespace wayloom
