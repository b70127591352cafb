// The Register routines of the translator units, which the design-time host calls when it
// loads the package: each puts its component on the palette page "Tessavin" with its
// property editors and its component editor.
#pragma once

namespace zantor {

// The palette page of every translator.
inline constexpr const char* PalettePage = "Tessavin";

namespace Zlt {
void Register();
}
namespace Zft {
void Register();
}
namespace Zrt {
void Register();
}
namespace Zct {
void Register();
}
namespace Zbt {
void Register();
}

} // namespace zantor
