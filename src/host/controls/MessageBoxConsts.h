// Flags and answers of the platform message box. They belong to the emulated window layer;
// they live here until that layer exists, and this header will then include its own.
#pragma once

namespace host {

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;

// Button sets (the low four bits of the flags).
inline constexpr int MB_OK = 0x0;
inline constexpr int MB_OKCANCEL = 0x1;
inline constexpr int MB_ABORTRETRYIGNORE = 0x2;
inline constexpr int MB_YESNOCANCEL = 0x3;
inline constexpr int MB_YESNO = 0x4;
inline constexpr int MB_RETRYCANCEL = 0x5;
inline constexpr int MB_CANCELTRYCONTINUE = 0x6;
inline constexpr int MB_TYPEMASK = 0xF;

// Icons.
inline constexpr int MB_ICONERROR = 0x10;
inline constexpr int MB_ICONHAND = MB_ICONERROR;
inline constexpr int MB_ICONSTOP = MB_ICONERROR;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONWARNING = 0x30;
inline constexpr int MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr int MB_ICONINFORMATION = 0x40;
inline constexpr int MB_ICONASTERISK = MB_ICONINFORMATION;
inline constexpr int MB_ICONMASK = 0xF0;

// Default button: the first, second, third or fourth of the set.
inline constexpr int MB_DEFBUTTON1 = 0x000;
inline constexpr int MB_DEFBUTTON2 = 0x100;
inline constexpr int MB_DEFBUTTON3 = 0x200;
inline constexpr int MB_DEFBUTTON4 = 0x300;
inline constexpr int MB_DEFMASK = 0xF00;

} // namespace host
