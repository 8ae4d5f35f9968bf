// Preloaded into a child process by the transfer tests: the lookup of one
// name takes 15 s and finds nothing, so that no query leaves the machine;
// every other name is looked up as usual.

#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <netdb.h>

extern "C" {

// The child checks that this library is in place before it looks anything up.
int mirel_slow_resolver_loaded = 1;

int getaddrinfo(const char* node, const char* service, const addrinfo* hints, addrinfo** res) {
    if (node && std::strcmp(node, "slow.mirel.invalid") == 0) {
        timespec pause{15, 0};
        while (nanosleep(&pause, &pause) != 0) {
        }
        return EAI_NONAME;
    }
    using Real = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return real(node, service, hints, res);
}

} // extern "C"
