#pragma once

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "bar/skin_roles.h"
#include "platform/atom_table.h"
#include "platform/eval/expression_evaluator.h"
#include "platform/platform.h"
#ifdef _WIN32
#include "platform/win32/win32_folders.h"
#else
#include "platform/posix/posix_folders.h"
#endif
#include "platform/toolkit.h"

namespace zelvo::fake {

// The platform calls that matter for the order of start-up and shut-down, by name.
using CallLog = std::vector<std::string>;

inline void Note(CallLog* log, std::string call) {
    if (log != nullptr) {
        log->push_back(std::move(call));
    }
}

struct ShownMessage {
    std::string prompt;
    MessageIcon icon;
};

// Records every message box and beep instead of showing it, works at 96 ppi, and
// reads only the size of GIF files, enough for the models.
class FakeToolkit : public Toolkit {
  public:
    void MessageBox(std::string_view prompt, MessageIcon icon) override {
        messages.push_back({std::string(prompt), icon});
    }
    void Beep() override { ++beeps; }

    float TwipsPerPixelX() const override { return twipsPerPixel; }
    float TwipsPerPixelY() const override { return twipsPerPixel; }
    float ScreenWidth() const override { return screenWidth; }
    float ScreenHeight() const override { return screenHeight; }

    // Records the menu and answers with the next scripted choice (none when empty).
    std::string PopupMenu(const std::vector<MenuItem>& items) override {
        shownMenus.push_back(items);
        if (menuChoices.empty()) {
            return {};
        }
        std::string choice = menuChoices.front();
        menuChoices.erase(menuChoices.begin());
        return choice;
    }

    void Quit() override {
        ++quits;
        Note(log, "Quit");
    }

    // Runs `whileAboutShown` as the user's doing while the modal About box is up.
    void ShowAboutBoxModal() override {
        ++aboutBoxes;
        if (whileAboutShown) {
            whileAboutShown();
        }
    }

    PictureRef LoadPicture(const std::string& path) override {
        std::ifstream file(path, std::ios::binary);
        std::string header(10, '\0');
        if (!file.read(header.data(), static_cast<std::streamsize>(header.size())) ||
            (header.compare(0, 6, "GIF87a") != 0 && header.compare(0, 6, "GIF89a") != 0)) {
            return nullptr;
        }
        const auto byte = [&header](int i) { return static_cast<unsigned char>(header.at(i)); };
        return std::make_shared<Picture>(byte(6) | (byte(7) << 8), byte(8) | (byte(9) << 8), path);
    }

    PictureRef BuiltinPicture(int slot) override {
        const int width = slot == kSlotRightEnd ? 34 : 26;
        return std::make_shared<Picture>(
            width, 33, "builtin:" + std::string(kSkinRoles.at(static_cast<std::size_t>(slot - 1))));
    }

    std::vector<ShownMessage> messages;
    int beeps = 0;
    float twipsPerPixel = 15;
    float screenWidth = 1024 * 15;
    float screenHeight = 768 * 15;
    std::vector<std::vector<MenuItem>> shownMenus;
    std::vector<std::string> menuChoices;
    int quits = 0;
    int aboutBoxes = 0;
    std::function<void()> whileAboutShown;
    CallLog* log = nullptr;
};

// Records keep-above requests; the bar's client area starts at `barOrigin` on screen.
class FakeWindowOps : public WindowOps {
  public:
    void SetBarKeepAbove(bool above) override { keepAbove.push_back(above); }
    PixelPoint BarClientToScreen(PixelPoint client) override {
        return {client.x + barOrigin.x, client.y + barOrigin.y};
    }
    bool IsBarForeground() override { return barForeground; }
    void BringBarToForeground() override {
        ++broughtForward;
        barForeground = true;
    }

    std::vector<bool> keepAbove;
    PixelPoint barOrigin;
    bool barForeground = false;
    int broughtForward = 0;
};

// Text files kept in memory as the UTF-8 text written; writing can be made to fail.
class FakeTextFiles : public TextFiles {
  public:
    std::optional<std::string> ReadText(const std::string& path) override {
        Note(log, "ReadText");
        const auto found = files.find(path);
        return found != files.end() ? std::optional<std::string>(found->second) : std::nullopt;
    }
    bool WriteText(const std::string& path, std::string_view text) override {
        ++writes;
        Note(log, "WriteText");
        if (failWrites) {
            return false;
        }
        files[path] = std::string(text);
        return true;
    }
    // The characters of `unwritable` that the text holds.
    std::string Unwritable(std::string_view text) const override {
        std::string found;
        for (const std::string& character : unwritable) {
            if (text.find(character) != std::string_view::npos) {
                found += character;
            }
        }
        return found;
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> unwritable;
    bool failWrites = false;
    int writes = 0;
    CallLog* log = nullptr;
};

// One registration per identifier; combinations in `heldElsewhere` are refused, as
// when another program has them.
class FakeGlobalHotKey : public GlobalHotKey {
  public:
    using Combination = std::pair<int, int>;  // modifiers, virtual key

    std::uint16_t GlobalAddAtom(std::string_view name) override { return atoms.Add(name); }
    void GlobalDeleteAtom(std::uint16_t atom) override { atoms.Delete(atom); }
    bool RegisterHotKey(std::int32_t id, int modifiers, int virtualKey) override {
        ++registrations;
        Note(log, "RegisterHotKey");
        if (virtualKey == 0 || registered.count(id) != 0 ||
            heldElsewhere.count({modifiers, virtualKey}) != 0) {
            return false;
        }
        registered[id] = {modifiers, virtualKey};
        return true;
    }
    void UnregisterHotKey(std::int32_t id) override { registered.erase(id); }
    bool ReachesEveryWindow() const override { return reachesEveryWindow; }
    bool AnswersLater() const override { return answersLater; }

    AtomTable atoms;
    std::map<std::int32_t, Combination> registered;
    std::set<Combination> heldElsewhere;
    bool reachesEveryWindow = true;
    bool answersLater = false;
    int registrations = 0;
    CallLog* log = nullptr;
};

// Real folder listing and identities; folders made are only recorded.
class FakeFolders : public Folders {
  public:
    std::vector<std::string> SubFolders(const std::string& path) const override {
        Note(log, "SubFolders");
        return ListSubFolders(path);
    }
    bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
    std::optional<FolderId> Identify(const std::string& path) const override {
        return IdentifyFolder(path);
    }
    bool MakeFolders(const std::string& path) override {
        made.push_back(path);
        return makingWorks;
    }

    std::set<std::string> files;
    std::vector<std::string> made;
    bool makingWorks = true;
    CallLog* log = nullptr;
};

// A portable program in a folder of the test's choosing.
class FakePaths : public Paths {
  public:
    std::string SettingsFile() const override { return programFolder + "/setting.ini"; }
    std::vector<std::string> SkinFolders() const override {
        return skinFolders.empty() ? std::vector<std::string>{programFolder + "/skin"}
                                   : skinFolders;
    }
    std::string HelpFolder() const override { return programFolder; }
    std::string AutostartEntry() const override { return "/config/autostart/zelvo.desktop"; }
    std::string Executable() const override { return programFolder + "/zelvo"; }

    std::string programFolder = "/nonexistent-zelvo-program-folder";
    std::vector<std::string> skinFolders;  // when set, searched instead of the program's
};

// The login start as a flag; writing can be made to fail.
class FakeAutostart : public Autostart {
  public:
    bool IsEnabled() const override { return enabled; }
    bool Enable() override {
        enabled = enabled || writingWorks;
        return writingWorks;
    }
    bool Disable() override {
        enabled = enabled && !writingWorks;
        return writingWorks;
    }
    bool enabled = false;
    bool writingWorks = true;
};

// Records what the tray was told.
class FakeTrayIcon : public TrayIcon {
  public:
    bool Shell_NotifyIcon(int message, const NotifyIconData& data) override {
        calls.emplace_back(message, data);
        Note(log, message == NIM_ADD ? "AddTrayIcon" : "DeleteTrayIcon");
        if (whenCalled) {
            whenCalled();
        }
        return available;
    }

    std::vector<std::pair<int, NotifyIconData>> calls;
    bool available = true;
    std::function<void()> whenCalled;
    CallLog* log = nullptr;
};

class FakeShell : public Shell {
  public:
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return openable.count(path) != 0;
    }
    bool HasHandlerFor(const std::string& mimeType) override {
        return handledTypes.count(mimeType) != 0;
    }
    std::vector<std::string> opened;
    std::set<std::string> openable;
    std::set<std::string> handledTypes;
};

class FakeProcessLauncher : public ProcessLauncher {
  public:
    bool StartDetached(const std::string& path) override {
        started.push_back(path);
        return startsWork;
    }
    std::vector<std::string> started;
    bool startsWork = true;
};

// Keys by "root\key"; counts the handles left open.
class FakeRegistry : public Registry {
  public:
    std::uintptr_t OpenKey(std::uint32_t root, const std::string& key) override {
        opened.push_back(key);
        const auto found = keys.find(std::to_string(root) + "\\" + key);
        if (found == keys.end()) {
            return 0;
        }
        ++openHandles;
        return reinterpret_cast<std::uintptr_t>(&found->second);
    }
    std::optional<RegistryValue> QueryValue(std::uintptr_t key, const std::string& name,
                                            std::size_t bufferSize) override {
        const auto& values = *reinterpret_cast<std::map<std::string, RegistryValue>*>(key);
        const auto found = values.find(name);
        if (found == values.end()) {
            return std::nullopt;
        }
        RegistryValue value = found->second;
        value.data.resize(std::min(value.data.size(), bufferSize));
        return value;
    }
    void CloseKey(std::uintptr_t /*key*/) override { --openHandles; }

    void Set(std::uint32_t root, const std::string& key, const std::string& name,
             RegistryValue value) {
        keys[std::to_string(root) + "\\" + key][name] = std::move(value);
    }

    std::map<std::string, std::map<std::string, RegistryValue>> keys;
    std::vector<std::string> opened;
    int openHandles = 0;
};

// A headless platform: the real evaluator, a recording toolkit, real folders.
struct FakePlatform {
    ExpressionEvaluator evaluator;
    FakeToolkit toolkit;
    FakeFolders folders;
    FakeWindowOps windowOps;
    FakeTextFiles textFiles;
    FakeGlobalHotKey globalHotKey;
    FakeTrayIcon trayIcon;
    FakeShell shell;
    FakeProcessLauncher processLauncher;
    FakeRegistry registry;
    FakePaths paths;
    FakeAutostart autostart;
    Platform platform{evaluator, toolkit, folders,         windowOps, textFiles, globalHotKey,
                      trayIcon,  shell,   processLauncher, registry,  paths,     autostart};
    CallLog calls;

    FakePlatform() {
        toolkit.log = &calls;
        folders.log = &calls;
        textFiles.log = &calls;
        globalHotKey.log = &calls;
        trayIcon.log = &calls;
    }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
};

}  // namespace zelvo::fake
