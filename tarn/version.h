// Tarn version: the toolkit's release number, the one source the build reads it
// from (CMake takes the project version, and the package's version file, from
// the line below).
//
// Classes and functions in this file (sources):
//   version   (header only)
#ifndef TARN_VERSION_H
#define TARN_VERSION_H

namespace tarn {

/// The toolkit's version, "major.minor.patch": the release a program was built
/// against (the same number as the CMake package's version).
inline constexpr char version[] = "1.0.0";

}  // namespace tarn

#endif  // TARN_VERSION_H
