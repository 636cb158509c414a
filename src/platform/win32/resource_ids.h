#pragma once

// Resources compiled into zelvo.exe (app/win32/zelvo.rc).

// The program's icon, at every size the shell asks for.
#define ZELVO_IDI_PROGRAM 1
// The ten pictures the program carries for a skin that lacks its own, by picture-list
// slot: ZELVO_IDR_BUILTIN_PICTURE + slot, slot 1 to 10.
#define ZELVO_IDR_BUILTIN_PICTURE 100
