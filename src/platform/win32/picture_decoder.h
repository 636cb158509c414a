#pragma once

#include <wrl/client.h>

#include <span>
#include <string>

#include "platform/picture.h"
#include "platform/win32/windows_api.h"

namespace zelvo {

// Turns the bytes of a picture file (GIF, or any format the Windows Imaging Component
// reads) into a Win32Picture: the first frame, premultiplied, with a GIF's transparent
// colour as alpha 0. A GIF is as large as its logical screen, its first image drawn
// where the image descriptor places it; the rest of the screen is transparent.
class PictureDecoder {
  public:
    // Pictures larger than this are refused rather than decoded.
    static constexpr UINT kMaxPictureSide = 4096;

    // Joins the calling thread to a single-threaded COM apartment (unless it has
    // joined one already) and makes the imaging factory.
    PictureDecoder();
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    // Null when the bytes are not a picture, or one that is too large.
    PictureRef Decode(std::span<const BYTE> bytes, std::string origin) const;

  private:
    bool comJoined_ = false;
    Microsoft::WRL::ComPtr<IWICImagingFactory> factory_;
};

}  // namespace zelvo
