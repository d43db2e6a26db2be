#include "rtf_fixture.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "export/rtf_export.h"
#include "frame/app_state.h"
#include "platform/dialogs.h"

namespace rtf_test {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

bool file_exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::vector<std::string> directory_listing()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void RtfExportTest::SetUp()
{
    platform::install_backend(&backend);
    backend.set_unix_seconds(march_7_14_35);
    previous_directory_ = std::filesystem::current_path().string();
    std::string pattern = (std::filesystem::temp_directory_path() / "rtf_export_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory = pattern;
    std::filesystem::current_path(directory);
    rtf_export_state = {};
    screen_settings.print_mode = PrintMode::results_after_problem;
}

void RtfExportTest::TearDown()
{
    std::filesystem::current_path(previous_directory_);
    std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(directory);
    platform::install_backend(nullptr);
    problem_texts = {};
}

void RtfExportTest::set_problem(std::string statement, std::string answer, bool printable)
{
    problem_texts.problem_text = std::move(statement);
    problem_texts.answer_text = std::move(answer);
    problem_texts.problem_printable = printable;
}

void RtfExportTest::export_with(std::vector<std::int32_t> answers)
{
    answers_.assign(answers.begin(), answers.end());
    // Each dialog answers from answers_ (OK when it is empty); scripts left
    // over behave the same in later exports.
    for (int i = 0; i < 4; ++i) {
        backend.push_dialog_script([this](Dialog& dialog) {
            dialogs.push_back(dlg_get_char(dialog, 1114) + "|" + dlg_get_char(dialog, 1115) + "|" +
                              dlg_get_char(dialog, 1116));
            if (answers_.empty()) return kDialogOk;
            const std::int32_t answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
    }
    export_problem_rtf(11);
    answers_.clear();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &previous_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, previous_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previous_handler_);
}

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

bool get_capabilities(Capabilities& caps)
{
    return syscall(SYS_capget, &caps.header, caps.data) == 0;
}
bool set_capabilities(Capabilities& caps)
{
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

constexpr std::uint32_t permission_overrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

}  // namespace

PermissionsEnforced::PermissionsEnforced()
{
    Capabilities caps;
    if (!get_capabilities(caps) || (caps.data[0].effective & permission_overrides) == 0) return;
    caps.data[0].effective &= ~permission_overrides;
    dropped_ = set_capabilities(caps);
}

PermissionsEnforced::~PermissionsEnforced()
{
    Capabilities caps;
    if (!dropped_ || !get_capabilities(caps)) return;
    caps.data[0].effective |= caps.data[0].permitted & permission_overrides;
    set_capabilities(caps);
}

}  // namespace rtf_test
