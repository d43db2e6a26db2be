// What the export writes: whole documents compared byte for byte with the
// files kept beside the tests, the questions asked, the names chosen, and
// when nothing may be written at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "export/rtf_export.h"
#include "frame/app_state.h"
#include "rtf_fixture.h"

namespace rtf_test {
namespace {

const std::string refusal =
    "Il problema e/o i risultati|contengono parti grafiche o tabelle.|Il problema non è stampabile.";

// Compares with tests/golden/rtf_export/<name>; BRUNATEL_UPDATE_GOLDEN=1
// writes the file instead (to be checked by eye before committing).
void expect_golden(const std::string& path, const std::string& name)
{
    const std::string golden = std::string(BRUNATEL_GOLDEN_DIR) + "/rtf_export/" + name;
    if (const char* update = std::getenv("BRUNATEL_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::filesystem::create_directories(std::filesystem::path(golden).parent_path());
        write_file(golden, read_file(path));
    }
    ASSERT_TRUE(file_exists(golden)) << golden;
    EXPECT_EQ(read_file(path), read_file(golden)) << path << " differs from " << golden;
}

std::vector<std::string> records(const std::string& content)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = content.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(content.substr(at, end - at));
    return lines;
}

class ExportDocuments : public RtfExportTest {
protected:
    void first_problem() { set_problem("Calcolare la massa di 2.00 mol di H@d2@O.", "36.0 g"); }
    void second_problem()
    {
        set_problem("@T1@@C1@La velocità è 3.0•10@u8@ m/s; il @bD@@iH@ vale {-5}.", "@iE@ = 2.1•10@u-3@ J");
    }
};

TEST_F(ExportDocuments, TwoProblemsWithTheirResultsInOneDocument)
{
    first_problem();
    export_with();
    backend.set_unix_seconds(march_7_14_35 + 3 * 60);  // the name stays that of the first export
    second_problem();
    export_with();

    EXPECT_EQ(dialogs, (std::vector<std::string>{question(), question()}));
    EXPECT_EQ(directory_listing(), std::vector<std::string>{"bt071435.doc"});
    expect_golden("bt071435.doc", "two_problems_with_results.doc");
    const auto lines = records(read_file("bt071435.doc"));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[3].size(), 130u);
    EXPECT_EQ(lines[5].size(), 130u);
    // The title follows its indent directly: padded to 130 it wrapped, leaving the date alone below.
    EXPECT_EQ(lines[4], "\\par" + std::string(31, ' ') + "Tarvisel - Brunatel 1.0 - 07/03/2009 14:35");
    EXPECT_EQ(lines[14], "}");
    EXPECT_EQ(rtf_export_state.problems_file_ready, 1);
    EXPECT_EQ(rtf_export_state.results_file_ready, 0);
}

TEST_F(ExportDocuments, ResultsApartGoToTheirOwnDocument)
{
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    first_problem();
    export_with();
    backend.set_unix_seconds(march_7_14_35 + 25 * 3600);  // another day: names and titles stay
    second_problem();
    export_with();

    EXPECT_EQ(dialogs, (std::vector<std::string>{question(), question()}));  // the results file is not asked about
    EXPECT_EQ(directory_listing(), (std::vector<std::string>{"bt071435.doc", "re071435.doc"}));
    expect_golden("bt071435.doc", "two_problems_results_apart.doc");
    expect_golden("re071435.doc", "two_results.doc");
    EXPECT_EQ(records(read_file("bt071435.doc"))[4], records(read_file("re071435.doc"))[4]);
}

TEST_F(ExportDocuments, PrintModeDecidesPerExport)
{
    first_problem();
    export_with();
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    second_problem();
    export_with();
    screen_settings.print_mode = PrintMode::results_after_problem;
    set_problem("Terzo", "tre");
    export_with();

    const auto problems = records(read_file("bt071435.doc"));
    const std::vector<std::string> body(problems.begin() + 6, problems.end());
    EXPECT_EQ(body, (std::vector<std::string>{" \\par", "Calcolare la massa di 2.00 mol di H\\sub 2\\nosupersub O.",
                                              "      [Risultati: 36.0 g]", " \\par", " \\par",
                                              "La velocit\\'e0 \\'e8 3.0\\'9510\\super 8\\nosupersub  m/s; il "
                                              "\\i\\f1 \\u916 D\\i0\\f0 \\i H\\i0  vale \\{-5\\}.",
                                              " \\par", " \\par", "Terzo", "      [Risultati: tre]", " \\par", "}"}));
    const auto results = records(read_file("re071435.doc"));
    const std::vector<std::string> answers(results.begin() + 6, results.end());
    EXPECT_EQ(answers,
              (std::vector<std::string>{" \\par", "\\i E\\i0  = 2.1\\'9510\\super -3\\nosupersub  J", " \\par", "}"}));
}

TEST_F(ExportDocuments, UnprintableProblemIsRefusedAndCreatesNothing)
{
    set_problem("Il grafico", "la retta", false);
    export_with();
    EXPECT_EQ(dialogs, std::vector<std::string>{refusal});
    EXPECT_TRUE(directory_listing().empty());

    first_problem();
    export_with();
    export_with();
    set_problem("Il grafico", "la retta", false);
    const std::string before = read_file("bt071435.doc");
    export_with();
    EXPECT_EQ(dialogs.back(), refusal);
    EXPECT_EQ(read_file("bt071435.doc"), before);
}

TEST_F(ExportDocuments, CancelWritesNothingAndANewMinuteGivesANewName)
{
    first_problem();
    export_with({kDialogCancel});
    EXPECT_TRUE(directory_listing().empty());
    EXPECT_EQ(rtf_export_state.problems_file_ready, 0);

    backend.set_unix_seconds(march_7_14_35 + 60);
    export_with();
    EXPECT_EQ(dialogs.back(), question("bt071436"));
    const std::string before = read_file("bt071436.doc");

    export_with({kDialogCancel});
    EXPECT_EQ(read_file("bt071436.doc"), before);
    EXPECT_EQ(directory_listing(), std::vector<std::string>{"bt071436.doc"});
}

TEST_F(ExportDocuments, NeverOverwritesADocumentOfAnotherRun)
{
    write_file("bt071435.doc", "a document of another day\n");
    std::filesystem::create_directory("bt071435_2.doc");
    write_file("re071435_3.doc", "results of another day\n");
    std::filesystem::create_symlink("nowhere", "re071435.doc");  // dangling, still a name taken
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    first_problem();
    export_with();
    export_with();

    EXPECT_EQ(dialogs, (std::vector<std::string>(2, question("bt071435_3"))));
    EXPECT_EQ(read_file("bt071435.doc"), "a document of another day\n");
    EXPECT_EQ(read_file("re071435_3.doc"), "results of another day\n");
    EXPECT_EQ(records(read_file("bt071435_3.doc")).size(), 7u + 2 * 3);
    EXPECT_EQ(records(read_file("re071435_2.doc")).size(), 7u + 2 * 3);
    EXPECT_EQ(rtf_export_state.problems_file, "bt071435_3");
    EXPECT_EQ(rtf_export_state.results_file, "re071435_2");
}

TEST_F(ExportDocuments, TextLongerThanTheOldBuffersIsWrittenWhole)
{
    std::string statement;
    for (int i = 0; i < 150; ++i) statement += "CO@d2@ e H@d2@O; ";
    set_problem(statement, std::string(700, 'x'));
    export_with();
    const auto lines = records(read_file("bt071435.doc"));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[7].size(), 150u * 45 - 1);  // the trailing blank is dropped
    EXPECT_EQ(lines[8], "      [Risultati: " + std::string(700, 'x') + "]");
}

}  // namespace
}  // namespace rtf_test
