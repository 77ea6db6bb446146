#pragma once

#include <sched.h>
#include <sys/mount.h>

#include <filesystem>

namespace glimtags::test {

// The folder made read-only by a bind mount onto itself, in a mount namespace of this
// test's own so that nothing outlives the process. Root ignores permission bits, but
// not a read-only mount.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder)
        : folder_(folder)
    {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0;
        if (mounted_ && ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            unmount();
    }
    ~ReadOnlyFolder() { unmount(); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool active() const { return mounted_; }

private:
    void unmount()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        mounted_ = false;
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
};

} // namespace glimtags::test
