#include "matching/console_files.h"

namespace qv {

// Until the network file functions are in the build, both commands say so and change nothing.
std::string ReadNetworkForConsole(ProgramState&, const std::string& fileName) {
    return ">载入失败: 网络文件功能尚未提供 " + fileName;
}

std::string WriteNetworkForConsole(const ProgramState&, const std::string& fileName) {
    return ">保存失败: 网络文件功能尚未提供 " + fileName;
}

} // namespace qv
