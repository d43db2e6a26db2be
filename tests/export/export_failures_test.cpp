// Exports that fail: a full disk at every byte of an append, a read-only
// directory or document, and a document changed by another program. Each
// must leave every document whole (ending with its closing brace, no record
// lost), tell the user, and let later exports work.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "export/rtf_export.h"
#include "frame/app_state.h"
#include "rtf_fixture.h"

namespace rtf_test {
namespace {

const std::string cannot_open = "Impossibile stampare!|Il file non può essere aperto|o il supporto non è scrivibile";
const std::string cannot_write = "Impossibile stampare!|Controllare il supporto o cancellare|il file e riiniziare";

bool ends_with_brace(const std::string& content)
{
    return content.size() >= 3 && content.compare(content.size() - 3, 3, "\n}\n") == 0;
}

class ExportFailures : public RtfExportTest {
protected:
    void SetUp() override
    {
        RtfExportTest::SetUp();
        set_problem("Una mole di CO@d2@ pesa 44.0 g: quanto pesano 3.00 mol?", "132 g");
    }
    // The dialogs of the last export only.
    std::vector<std::string> last_dialogs(std::size_t before) const
    {
        return {dialogs.begin() + static_cast<std::ptrdiff_t>(before), dialogs.end()};
    }
};

TEST_F(ExportFailures, FullDiskAtAnyByteLeavesTheDocumentAsItWas)
{
    export_with();
    const std::string one = read_file("bt071435.doc");
    export_with();
    const std::string two = read_file("bt071435.doc");
    write_file("bt071435.doc", one);  // back to one problem

    bool appended = false;
    for (rlim_t room = 0; !appended; ++room) {
        ASSERT_LE(room, two.size() - one.size()) << "the export never succeeded";
        const std::size_t before = dialogs.size();
        {
            FileSizeLimit limit(one.size() + room);
            export_with();
        }
        const std::string now = read_file("bt071435.doc");
        appended = now == two;
        if (!appended) {
            ASSERT_EQ(now, one) << "room for " << room << " bytes";
            EXPECT_EQ(last_dialogs(before), (std::vector<std::string>{question(), cannot_write}));
        }
    }
    EXPECT_EQ(rtf_export_state.problems_file_ready, 1);
}

TEST_F(ExportFailures, FullDiskWhileMakingTheDocumentsLeavesNoFile)
{
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    std::size_t total = 0;
    {
        export_with();
        total = read_file("bt071435.doc").size() + read_file("re071435.doc").size();
        std::filesystem::remove("bt071435.doc");
        std::filesystem::remove("re071435.doc");
        rtf_export_state = {};
    }
    for (rlim_t room = 0; room <= total; room += 7) {
        const std::size_t before = dialogs.size();
        {
            FileSizeLimit limit(room);
            export_with();
        }
        const auto files = directory_listing();
        if (files.empty()) {
            EXPECT_EQ(last_dialogs(before), (std::vector<std::string>{question(), cannot_write})) << room;
            EXPECT_EQ(rtf_export_state.problems_file_ready, 0);
            EXPECT_EQ(rtf_export_state.results_file_ready, 0);
            continue;
        }
        // Made whole or not at all: both documents with the problem and its results.
        ASSERT_EQ(files, (std::vector<std::string>{"bt071435.doc", "re071435.doc"})) << room;
        EXPECT_TRUE(ends_with_brace(read_file("bt071435.doc")));
        EXPECT_NE(read_file("re071435.doc").find("132 g"), std::string::npos);
        EXPECT_EQ(last_dialogs(before), std::vector<std::string>{question()});
        break;
    }
    EXPECT_EQ(directory_listing().size(), 2u) << "the export never succeeded";
}

TEST_F(ExportFailures, FailedResultsTakeTheProblemBackOut)
{
    screen_settings.print_mode = PrintMode::results_in_separate_file;
    // Long results make the results document the larger one, so a limit
    // between the two sizes fails the results after the problem was written.
    set_problem("Breve", std::string(400, 'r'));
    export_with();
    const std::string problems = read_file("bt071435.doc");
    const std::string results = read_file("re071435.doc");
    ASSERT_GT(results.size(), problems.size() + 20);
    for (rlim_t room = results.size(); room < results.size() + 404; room += 3) {
        {
            FileSizeLimit limit(room);
            export_with();
        }
        EXPECT_EQ(read_file("bt071435.doc"), problems) << room;
        EXPECT_EQ(read_file("re071435.doc"), results) << room;
        EXPECT_EQ(dialogs.back(), cannot_write);
    }
    export_with();
    const std::string added = " \\par\nBreve\n \\par\n}\n";
    EXPECT_EQ(read_file("bt071435.doc"), problems.substr(0, problems.size() - 2) + added);
    EXPECT_TRUE(ends_with_brace(read_file("re071435.doc")));
}

TEST_F(ExportFailures, ReadOnlyDirectoryRefusesTheNewDocumentOnly)
{
    PermissionsEnforced as_a_user;
    std::filesystem::permissions(directory, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    export_with();
    EXPECT_EQ(dialogs, (std::vector<std::string>{question(), cannot_open}));
    EXPECT_TRUE(directory_listing().empty());
    EXPECT_EQ(rtf_export_state.problems_file_ready, 0);

    std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
    export_with();
    const std::string one = read_file("bt071435.doc");
    ASSERT_TRUE(ends_with_brace(one));

    // A document already made is changed in place: a read-only directory
    // does not stop it.
    std::filesystem::permissions(directory, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    export_with();
    EXPECT_GT(read_file("bt071435.doc").size(), one.size());
    EXPECT_EQ(dialogs.back(), question());
}

TEST_F(ExportFailures, ReadOnlyDocumentIsLeftAloneAndANewOneStarted)
{
    PermissionsEnforced as_a_user;
    export_with();
    const std::string one = read_file("bt071435.doc");
    chmod("bt071435.doc", 0444);
    backend.set_unix_seconds(march_7_14_35 + 2 * 60);
    export_with();
    EXPECT_EQ(dialogs.back(), cannot_open);
    EXPECT_EQ(read_file("bt071435.doc"), one);

    export_with();
    EXPECT_EQ(dialogs.back(), question("bt071437"));
    EXPECT_EQ(read_file("bt071437.doc").size(), one.size());
    EXPECT_EQ(read_file("bt071435.doc"), one);
}

TEST_F(ExportFailures, DocumentChangedElsewhereIsNotAppendedTo)
{
    export_with();
    const std::string one = read_file("bt071435.doc");
    const std::vector<std::string> changes = {
        one.substr(0, one.size() - 2),  // the closing brace taken away
        one + "{\\par Aggiunta}\n",     // a record after it
        one.substr(0, one.size() - 1),  // saved without the last line end
        one.substr(0, one.size() - 2) + "\\par Nota dell'insegnante\n}\n" + "x",
    };
    for (const std::string& changed : changes) {
        write_file("bt071435.doc", changed);
        rtf_export_state.problems_file_ready = 1;
        rtf_export_state.problems_file = "bt071435";
        export_with();
        EXPECT_EQ(dialogs.back(), cannot_write);
        EXPECT_EQ(read_file("bt071435.doc"), changed);
        EXPECT_EQ(rtf_export_state.problems_file_ready, 0);
    }
    export_with();
    EXPECT_EQ(dialogs.back(), question("bt071435_2"));
    EXPECT_EQ(read_file("bt071435_2.doc"), one);
}

TEST_F(ExportFailures, DeletedDocumentIsReportedThenMadeAnew)
{
    export_with();
    const std::string one = read_file("bt071435.doc");
    std::filesystem::remove("bt071435.doc");
    export_with();
    EXPECT_EQ(dialogs.back(), cannot_open);
    EXPECT_TRUE(directory_listing().empty());
    export_with();
    EXPECT_EQ(read_file("bt071435.doc"), one);
}

}  // namespace
}  // namespace rtf_test
