#pragma once

// The layouts and Autorun.inf give lengths in twips, 15 to a logical pixel at
// the 96 dots per inch the programs were designed for.
inline constexpr int twipsPerPixel = 15;
