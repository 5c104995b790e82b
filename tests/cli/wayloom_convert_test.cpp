// Runs the wayloom-convert program on files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "formats/temp_folder.h"

namespace wayloom {
namespace {

using test::TempFolder;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class ConvertTest : public testing::Test {
protected:
    // Runs the program in the temporary folder with the arguments (each quoted by the caller where needed).
    Outcome Run(const std::string& arguments) {
        const std::string command = "cd '" + folder.path().string() + "' && '" WAYLOOM_CONVERT "' " + arguments +
                                    " > .stdout 2> .stderr";
        const int raw = std::system(command.c_str());
        Outcome outcome;
        outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        outcome.out = folder.read(".stdout");
        outcome.err = folder.read(".stderr");
        std::filesystem::remove(folder.file(".stdout"));
        std::filesystem::remove(folder.file(".stderr"));
        return outcome;
    }

    TempFolder folder;
};

TEST_F(ConvertTest, Help) {
    const Outcome outcome = Run("--help");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.starts_with("Usage:"));
    EXPECT_EQ(outcome.err, "");
}

TEST_F(ConvertTest, UsageErrors) {
    for (const char* arguments :
         {"", "a.itn", "a.itn b.csv c.csv", "a.itn b.csv --encoding latin1", "a.itn b.csv --encoding",
          "--folder .", "--folder . --to doc", "--folder . --to csv", "--folder . --to itn --overwrite --keep",
          "--folder . --to itn a.itn", "--dump", "--dump a.itn b.itn", "a.itn b.csv --bogus",
          "a.itn b.csv --keep"}) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments;
        EXPECT_TRUE(outcome.err.starts_with("Usage:")) << arguments;
    }
}

TEST_F(ConvertTest, ConvertsByTheExtensions) {
    folder.write("r.itn", "489355|5237187|\xC1vila|2\r\n-370380|18012345|Madrid|0\r\n");
    const struct {
        const char* arguments;
        const char* output;
        std::string bytes;
    } cases[] = {
        {"r.itn r.csv", "r.csv", "4.89355,52.37187,\xC1vila,2\r\n-3.70380,,Madrid,0\r\n"},
        {"r.itn r.asc --encoding utf8", "r.asc", "\xEF\xBB\xBF" "4.89355,52.37187,\"\xC3\x81vila\",2\r\n-3.70380,,\"Madrid\",0\r\n"},
        {"r.itn r.dat --encoding ansi", "r.dat", "\xC1vila\t4.89355\t52.37187\t2\r\nMadrid\t-3.70380\t\t0\r\n"},
        {"r.itn copy.gpi", "copy.itn", "489355|5237187|\xC1vila|2\r\n-370380|18012345|Madrid|0\r\n"},
        {"r.dat back.itn", "back.itn", "489355|5237187|\xC1vila|2\r\n-370380|18012345|Madrid|0\r\n"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Run(c.arguments);
        EXPECT_EQ(outcome.status, 0) << c.arguments << outcome.err;
        EXPECT_EQ(folder.read(c.output), c.bytes) << c.arguments;
        EXPECT_EQ(outcome.err, "") << c.arguments;
    }
    EXPECT_EQ(Run("r.itn r.txt --encoding unicode").status, 0);
    EXPECT_EQ(folder.read("r.txt").substr(0, 4), std::string("\xFF\xFE\xC1\0", 4));
    EXPECT_FALSE(folder.exists("copy.gpi"));
}

TEST_F(ConvertTest, DumpPrintsTheRowsAsTheTableShowsThem) {
    folder.write("d.csv", "4.89355,52.37187,Amsterdam\n;comment\n,-33.8688,Sin longitud,1\n");
    const Outcome outcome = Run("--dump d.csv");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "Amsterdam\t4.89355\t52.37187\t2\nSin longitud\t\t-33.86880\t1\n");
}

TEST_F(ConvertTest, FailedReadPrintsTheRowsReadThenTheMessage) {
    folder.write("cut.itn", "489355|5237187|Amsterdam|2\r\n1|1");
    const Outcome outcome = Run("--dump cut.itn");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "Amsterdam\t4.89355\t52.37187\t2\n");
    EXPECT_EQ(outcome.err, "El contenido del archivo es incorrecto\n\ncut.itn\n");
    const Outcome converting = Run("cut.itn out.csv");
    EXPECT_EQ(converting.status, 1);
    EXPECT_FALSE(folder.exists("out.csv"));
}

TEST_F(ConvertTest, MissingInput) {
    const Outcome outcome = Run("missing.itn out.csv");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "No se puede abrir el archivo\n\nmissing.itn\n");
}

TEST_F(ConvertTest, CheckNameDropsDuplicates) {
    folder.write("dup.itn", "100000|100000|Casa|2\r\n200000|200000|Casa|2\r\n300000|300000|Otra|2\r\n"
                            "400000|400000|Casa|2\r\n");
    const Outcome outcome = Run("dup.itn out.itn --check-name");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(folder.read("out.itn"), "100000|100000|Casa|2\r\n300000|300000|Otra|2\r\n");
    EXPECT_EQ(outcome.err, "Eliminados 2 ITNs duplicados\n");
    EXPECT_EQ(Run("dup.itn all.itn").status, 0);
    EXPECT_EQ(folder.read("all.itn"), folder.read("dup.itn"));
}

TEST_F(ConvertTest, LongItinerariesAreWrittenWithoutAsking) {
    std::string lines;
    for (int i = 0; i < 60; ++i) lines += "100000|100000|E" + std::to_string(i) + "|2\r\n";
    folder.write("long.itn", lines);
    const Outcome outcome = Run("long.itn copy.itn");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(folder.read("copy.itn"), lines);
}

TEST_F(ConvertTest, ReadOnlyOutputIsNotReplaced) {
    folder.write("r.itn", "1|1|A|2\r\n");
    folder.write("ro.csv", "old");
    chmod(folder.file("ro.csv").c_str(), 0444);
    const Outcome outcome = Run("r.itn ro.csv");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "Archivo de sólo lectura\n\nro.csv\n");
    EXPECT_EQ(folder.read("ro.csv"), "old");
}

TEST_F(ConvertTest, FavoritesByTheFileName) {
    // A favourite "Casa" and a home record "Oficina", both at 4.89355, 52.37187.
    auto record = [](char type, const std::string& name) {
        std::string bytes("\x04\x00", 2);
        bytes += type;
        bytes += std::string("\x00\x00\x00\x08\x00", 5);
        bytes += std::string("\x8B\x77\x07\x00" "\xC3\xE9\x4F\x00", 8);  // 489355, 5237187
        bytes += std::string("\x08\x00", 2) + std::string(8, '\0');
        bytes += '\x1B';  // o1 = 27: o2 follows
        bytes += '\x1B';  // o2 = 27: n follows
        bytes += static_cast<char>(27 + name.size());
        return bytes + name;
    };
    folder.write("MapSettings.cfg", record('\x03', "Casa") + record('\x04', "Oficina") + std::string(8, '\0'));
    EXPECT_EQ(Run("--dump MapSettings.cfg").out, "Casa\t4.89355\t52.37187\t2\n");
    EXPECT_EQ(Run("--dump MapSettings.cfg --favorites-all").out,
              "Casa@Favorito\t4.89355\t52.37187\t2\nOficina@Casa\t4.89355\t52.37187\t2\n");
}

TEST_F(ConvertTest, FolderConversion) {
    folder.write("a.csv", "4.89355,52.37187,Amsterdam\n");
    folder.write("b.txt", "Madrid\t-3.7038\t40.4168\n");
    folder.write("c.itn", "100000|200000|C|2\r\n");
    Outcome outcome = Run("--folder . --to itn");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "Convertidos 2 ficheros\n");
    EXPECT_EQ(folder.read("b.itn"), "-370380|4041680|Madrid|2\r\n");

    outcome = Run("--folder . --to itn");  // a.itn exists: the run stops as "Cancelar" would
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "Convertidos 0 ficheros\n");
    outcome = Run("--folder . --to itn --keep");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "Convertidos 0 ficheros\n");
    outcome = Run("--folder . --to itn --overwrite");
    EXPECT_EQ(outcome.err, "Convertidos 2 ficheros\n");

    outcome = Run("--folder . --to txt-utf8");  // a.itn, b.itn, c.itn
    EXPECT_EQ(outcome.status, 1);  // b.txt exists
    outcome = Run("--folder . --to poi-unicode");
    EXPECT_EQ(outcome.err, "Convertidos 3 ficheros\n");
    EXPECT_EQ(folder.read("c.poi").substr(0, 4), std::string("\xFF\xFE" "1\0", 4));
}

}  // namespace
}  // namespace wayloom
