// Bullet pictures: the "Select Bullet Point Style" dialog (SelectBullet,
// "DLG_BULLETS") and the chosen picture's name (GetBullet).
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr std::string_view kBulletsKey = "BULLETS";
inline constexpr std::string_view kBulletTypeKey = "Bullet Type";
inline constexpr int kStrSelectBulletBitmap = 10048;  // "You must select a bitmap."
inline constexpr int kStrBulletFolder = 10049;        // "You must select a file in directory %s"
inline constexpr int kBulletHelpContext = help_contexts::kBullets;

// The names of BULLETS whose picture lies in the bitmap directory's
// std_bmps folder or in the bitmap directory itself. Names are whole: two
// pictures that share their first characters are two bullets.
std::vector<std::string> listed_bullets(const project::ProjectState& state, std::string_view bullets);

// SelectBullet: 1 OK (the choice saved), 0 Cancel.
int SelectBullet(project::ProjectState& state, std::int32_t window);

// GetBullet: name receives the chosen bullet picture in lower case, "" for
// the word processor's standard bullets; returns 1.
int GetBullet(const project::ProjectState& state, std::string& name);

}  // namespace aids
