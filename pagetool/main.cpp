// vellumo-pagetool: deskews, levels, cuts to content and splits scanned pages.
// Usage: vellumo-pagetool [options] <input image> <output folder>
// Exit status: 0 done, 1 the input could not be processed, 2 a bad command line.

#include <cstdio>
#include <string>
#include <vector>

#include "PageTool.h"
#include "PageToolOptions.h"

int main(int argc, char **argv)
{
    setMsgSeverity(L_SEVERITY_NONE);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<PageToolOptions> options = PageToolOptions::parse(args, &error);
    if (!options) {
        std::fprintf(stderr, "vellumo-pagetool: %s\n", error.c_str());
        return 2;
    }
    PageTool tool(*options);
    if (!tool.run()) {
        std::fprintf(stderr, "vellumo-pagetool: %s\n", tool.errorString().c_str());
        return 1;
    }
    return 0;
}
