#pragma once

#include <cstdint>
#include <string>

#include "controls/command_button.h"
#include "controls/label.h"
#include "platform/platform.h"

namespace zelvo {

// The About box: title, version, and a button that starts the system information tool.
class frmAbout {
  public:
    explicit frmAbout(Platform& platform);

    std::string Caption = "ﾊﾞｰｼﾞｮﾝ情報";
    bool Visible = false;
    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
    Label lblDisclaimer;
    CommandButton cmdOK;
    CommandButton cmdSysInfo;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads a text or number value from the registry into `value`; false (and the
    // empty text) when the key or the value is not there.
    bool GetKeyValue(std::uint32_t root, const std::string& keyName, const std::string& valueName,
                     std::string& value);

  private:
    Platform& platform_;
};

// "ﾊﾞｰｼﾞｮﾝ 2.5.0β" for major 2, minor 5, revision 0.
std::string VersionText(int major, int minor, int revision);

}  // namespace zelvo
