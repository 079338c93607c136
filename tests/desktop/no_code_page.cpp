// Loaded with LD_PRELOAD: a C library without the Japanese code page. iconv_open refuses CP932
// as glibc does where its gconv module is missing; every other conversion is the real one.
#include <dlfcn.h>
#include <iconv.h>

#include <cerrno>
#include <cstring>

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" iconv_t iconv_open(const char* to, const char* from) {
    if (strcasecmp(to, "CP932") == 0 || strcasecmp(from, "CP932") == 0) {
        errno = EINVAL;
        return reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
    }
    using Open = iconv_t (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "iconv_open"));
    return real(to, from);
}
