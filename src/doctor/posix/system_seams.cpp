#include "doctor/doctor_seams.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace korvane {

namespace {

std::string ReadLinkText(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

class SysDeviceTree final : public DeviceTree {
public:
    std::optional<std::string> Attribute(const std::string& path) const override {
        std::ifstream file("/sys/" + path);
        if (!file) {
            return std::nullopt;
        }
        std::string line;
        std::getline(file, line);
        return line;
    }

    std::string LinkName(const std::string& path) const override {
        const std::string target = ReadLinkText("/sys/" + path);
        const std::size_t slash = target.rfind('/');
        return slash == std::string::npos ? target : target.substr(slash + 1);
    }
};

// Follows a chain of links by hand, so that a dangling one still shows where it leads.
std::string FinalTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    std::string current = path;
    for (int hops = 0; hops < 16; ++hops) {
        const std::string next = ReadLinkText(current);
        if (next.empty()) {
            break;
        }
        if (next.front() == '/') {
            current = next;
        } else {
            const std::size_t slash = current.rfind('/');
            current =
                (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) + next;
        }
    }
    return current;
}

bool ProcessHasGroup(gid_t group) {
    if (getegid() == group) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int filled = getgroups(count, groups.data());
    return filled > 0 &&
           std::find(groups.begin(), groups.begin() + filled, group) != groups.begin() + filled;
}

// The group database lists the user in the group, which a new login would give.
bool UserListedInGroup(const struct group& entry) {
    struct passwd user {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &user, buffer, sizeof buffer, &found) != 0 || found == nullptr) {
        return false;
    }
    if (user.pw_gid == entry.gr_gid) {
        return true;
    }
    for (char** member = entry.gr_mem; member != nullptr && *member != nullptr; ++member) {
        if (std::string(*member) == user.pw_name) {
            return true;
        }
    }
    return false;
}

class SystemDeviceNodes final : public DeviceNodes {
public:
    DeviceNode Inspect(const std::string& path) const override {
        DeviceNode node;
        struct stat status {};
        node.isLink = lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
        node.target = node.isLink ? FinalTarget(path) : path;
        node.exists = stat(path.c_str(), &status) == 0;
        return node;
    }

    DeviceAccess Access(const std::string& device) const override {
        DeviceAccess access;
        access.readWrite = access_(device);
        struct stat status {};
        if (stat(device.c_str(), &status) != 0) {
            return access;
        }
        access.inGroup = ProcessHasGroup(status.st_gid);
        struct group entry {};
        struct group* found = nullptr;
        char buffer[16384];
        if (getgrgid_r(status.st_gid, &entry, buffer, sizeof buffer, &found) != 0 ||
            found == nullptr) {
            access.group = std::to_string(status.st_gid);
            return access;
        }
        access.group = entry.gr_name;
        access.listedInGroup = UserListedInGroup(entry);
        return access;
    }

    std::vector<DeviceHolder> Holders(const std::string& device) const override {
        std::vector<DeviceHolder> holders;
#if defined(__linux__)
        char resolved[PATH_MAX];
        if (realpath(device.c_str(), resolved) == nullptr) {
            return holders;
        }
        const std::string wanted = resolved;
        const long self = static_cast<long>(getpid());
        DIR* processes = opendir("/proc");
        if (processes == nullptr) {
            return holders;
        }
        while (const dirent* process = readdir(processes)) {
            char* end = nullptr;
            const long id = std::strtol(process->d_name, &end, 10);
            if (*end != '\0' || id <= 0 || id == self) {
                continue;
            }
            const std::string folder = "/proc/" + std::string(process->d_name);
            if (HoldsDevice(folder + "/fd", wanted)) {
                holders.push_back({FirstLine(folder + "/comm"), id});
            }
        }
        closedir(processes);
#else
        (void)device;
#endif
        return holders;
    }

    std::string RegistryDeviceName(const std::string& /*portName*/) const override {
        return {};
    }

private:
    static bool access_(const std::string& device) {
        return ::access(device.c_str(), R_OK | W_OK) == 0;
    }

    // Only processes this user may look into tell; others are passed over.
    static bool HoldsDevice(const std::string& fdFolder, const std::string& device) {
        DIR* descriptors = opendir(fdFolder.c_str());
        if (descriptors == nullptr) {
            return false;
        }
        bool holds = false;
        while (const dirent* descriptor = readdir(descriptors)) {
            if (ReadLinkText(fdFolder + "/" + descriptor->d_name) == device) {
                holds = true;
                break;
            }
        }
        closedir(descriptors);
        return holds;
    }
};

} // namespace

SystemSeams RealSystemSeams() {
    static const SysDeviceTree tree;
    static const SystemDeviceNodes nodes;
    return {tree, nodes};
}

std::string SystemDescription() {
    struct utsname name {};
    if (uname(&name) != 0) {
        return "unknown";
    }
    return std::string(name.sysname) + " " + name.release + " " + name.machine;
}

} // namespace korvane
