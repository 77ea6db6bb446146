#pragma once

namespace glimtags {

// The web server's addresses. The hosts are reserved example names until a real server exists.
inline constexpr const char* kUpdateAddress = "http://glimtags.quorvant.example/quorvant/Glimtags/GTUpdate.nfo";
inline constexpr const char* kOnlineCentreAddress = "http://glimtags.quorvant.example/glimtags";
inline constexpr const char* kMakerHomePage = "http://quorvant.example/";

} // namespace glimtags
