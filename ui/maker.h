// The maker's web address, shown in the window's bottom bar and in the About
// text. Portable, so that the commands' host-tested text can use it too.
#pragma once

inline constexpr char16_t kMakerWebAddress[] = u"www.example.com";
