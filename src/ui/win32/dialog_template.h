#pragma once

#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"

namespace zelvo::win32 {

// A rectangle in dialog units: a quarter of the dialog font's average character width
// across, an eighth of its height down.
struct DialogUnits {
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

// The predefined window classes a dialog template names by their atom.
enum class ControlClass : WORD {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ScrollBar = 0x0084,
    ComboBox = 0x0085,
};

struct DialogItem {
    WORD id = 0;
    ControlClass control = ControlClass::Static;
    std::wstring_view text;
    DWORD style = 0;
    DWORD exStyle = 0;
    DialogUnits place;
};

// A dialog template built in memory, for CreateDialogIndirectParamW and
// DialogBoxIndirectParamW: the dialog (always with DS_SETFONT, set in `face` at
// `points`), then its controls in tab order, each on a DWORD boundary.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, DWORD exStyle, DialogUnits place, std::wstring_view caption,
                   std::wstring_view face, WORD points);

    void Add(const DialogItem& item);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    std::size_t SizeInBytes() const { return words_.size() * sizeof(WORD); }

  private:
    void PutDword(DWORD value);
    void PutShort(short value);
    void PutText(std::wstring_view text);
    void AlignToDword();

    // WORDs keep the template's alignment for its WORD fields; DWORD fields start on
    // even WORDs, and the vector's storage is aligned for any type.
    std::vector<WORD> words_;
};

}  // namespace zelvo::win32
