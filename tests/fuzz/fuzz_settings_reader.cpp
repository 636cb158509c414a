// The settings reader on any file, through the fake platform: no crash, and the files
// the writer makes reach a fixed point of write → read → write. The whole start-up
// reads the file, as the program does: it puts the skin's pictures on the bar after
// reading, and a picture sets the size of its image without moving the rest, so a
// foreign file's odd image sizes take one more round to settle (the window width
// follows the right-end image only when a file is read).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "platform/posix/code_page_932.h"

namespace {

const std::string kPath = "/program/setting.ini";  // where the fake program keeps it

// Reads the file `bytes` into fresh windows and writes them out again, as bytes: the
// writer's text goes through the code page as a real file would.
std::string ReadAndWrite(const std::string& bytes) {
    zelvo::fake::FakePlatform fake;
    zelvo::WindowSet windows(fake.platform);
    fake.textFiles.files[kPath] = zelvo::DecodeCodePage932(bytes);
    fake.paths.programFolder = "/program";
    windows.Start();
    fake.textFiles.files.erase(kPath);
    if (!windows.bar.KankyouOutPut(kPath)) {
        std::abort();
    }
    return zelvo::EncodeCodePage932(fake.textFiles.files.at(kPath));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string settled = ReadAndWrite(ReadAndWrite(bytes));
    if (ReadAndWrite(settled) != settled) {
        std::abort();
    }
    return 0;
}
