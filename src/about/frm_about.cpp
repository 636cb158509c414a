#include "about/frm_about.h"

#include <algorithm>
#include <exception>

namespace zelvo {
namespace {

constexpr std::size_t kValueBufferSize = 1024;
constexpr std::string_view kSysInfoUnavailable = "現時点ではｼｽﾃﾑ情報を使用できません";
// The legal-notice field of the program's version information, which Zelvo leaves empty.
constexpr std::string_view kLegalNotice;

// The number a REG_DWORD's bytes hold, least significant first, as decimal text.
std::string NumberText(const std::string& bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = std::min(bytes.size(), sizeof number); i > 0; --i) {
        number = (number << 8) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return std::to_string(number);
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision) + "β";
}

frmAbout::frmAbout(Platform& platform) : platform_(platform) {
    lblTitle.Caption = "ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ";
    lblVersion.Caption = "ﾊﾞｰｼﾞｮﾝ";
    lblDisclaimer.Caption = "警告: ...";
    cmdOK.Caption = "OK";
    cmdSysInfo.Caption = "ｼｽﾃﾑ情報(&S)...";
}

void frmAbout::Form_Load() {
    Caption = std::string(kApplicationTitle);
    lblTitle.Caption = std::string(kApplicationTitle);
    lblVersion.Caption =
        VersionText(ZELVO_VERSION_MAJOR, ZELVO_VERSION_MINOR, ZELVO_VERSION_REVISION);
    lblDisclaimer.Caption = std::string(kLegalNotice);
}

void frmAbout::cmdOK_Click() {
    Visible = false;
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    try {
        std::string path;
        std::string folder;
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH",
                         path)) {
            if (GetKeyValue(HKEY_LOCAL_MACHINE, R"(SOFTWARE\Microsoft\Shared Tools Location)",
                            "MSINFO", folder) &&
                platform_.folders.FileExists(folder + "/MSINFO32.EXE")) {
                path = folder + "/MSINFO32.EXE";
            } else {
                platform_.toolkit.MessageBox(kSysInfoUnavailable, MessageIcon::None);
                return;
            }
        }
        if (!platform_.processLauncher.StartDetached(path)) {
            platform_.toolkit.MessageBox(kSysInfoUnavailable, MessageIcon::None);
        }
    } catch (const std::exception&) {
        platform_.toolkit.MessageBox(kSysInfoUnavailable, MessageIcon::None);
    }
}

bool frmAbout::GetKeyValue(std::uint32_t root, const std::string& keyName,
                           const std::string& valueName, std::string& value) {
    const std::uintptr_t key = platform_.registry.OpenKey(root, keyName);
    if (key == 0) {
        value.clear();
        return false;
    }
    const auto stored = platform_.registry.QueryValue(key, valueName, kValueBufferSize);
    platform_.registry.CloseKey(key);
    if (!stored) {
        value.clear();
        return false;
    }
    std::string bytes = stored->data;
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.pop_back();
    }
    if (stored->type == REG_SZ) {
        value = bytes;
    } else if (stored->type == REG_DWORD) {
        value = NumberText(bytes);
    }
    return true;
}

}  // namespace zelvo
