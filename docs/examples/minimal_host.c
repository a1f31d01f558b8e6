/* A minimal host of the NXA-7310 module: loads AP_PlugIn.plx, says what the
 * module is, and asks one device for its firmware version, MAC address and
 * subnet mask with the blocking query.
 *
 *   cc $(pkg-config --cflags nxa7310) minimal_host.c $(pkg-config --libs nxa7310) -o minimal_host
 *   ./minimal_host "$(pkg-config --variable=module nxa7310)" 127.0.0.1 161 public
 */
#include <AP_PlugIn.h>
#include <arpa/inet.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

typedef int32_t (*GetModuleCapsFunction)(ModuleCaps*);
typedef int32_t (*SetSnmpParameterFunction)(uint32_t, const char*, const char*, uint32_t, uint32_t);
typedef void (*GetSystemInfoFunction)(const char*, char*, char*, uint32_t*);

/* dlsym returns an object pointer; copying it into the function pointer is
 * the form POSIX allows. */
static int Resolve(void* module, const char* name, void* slot) {
    void* address = dlsym(module, name);
    if (!address) {
        fprintf(stderr, "the module has no export %s\n", name);
        return 0;
    }
    *(void**)slot = address;
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: %s MODULE ADDRESS PORT READ-COMMUNITY\n", argv[0]);
        return 2;
    }
    void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
        return 1;
    }
    GetModuleCapsFunction getModuleCaps;
    SetSnmpParameterFunction setSnmpParameter;
    GetSystemInfoFunction getSystemInfo;
    if (!Resolve(module, "PlugGetModuleCaps", &getModuleCaps) ||
        !Resolve(module, "PlugSetSnmpParameter", &setSnmpParameter) ||
        !Resolve(module, "PlugGetSystemInfo", &getSystemInfo))
        return 1;

    ModuleCaps caps;
    getModuleCaps(&caps);
    printf("module: %s %d.%d\n", caps.ModelName, caps.MajorVersion, caps.MinorVersion);

    struct in_addr device;
    if (inet_pton(AF_INET, argv[2], &device) != 1) {
        fprintf(stderr, "not an IPv4 address: %s\n", argv[2]);
        return 2;
    }
    /* Address in network byte order; time-out in hundredths of a second. */
    setSnmpParameter(device.s_addr, argv[4], argv[4], (uint32_t)atoi(argv[3]), 200);

    /* The buffers are written without a terminating NUL: start them zeroed. */
    char firmware[256] = {0};
    char mac[256] = {0};
    uint32_t mask = 0;
    getSystemInfo(argv[2], firmware, mac, &mask);
    if (firmware[0] == '\0') {
        fprintf(stderr, "%s did not answer\n", argv[2]);
        return 1;
    }
    struct in_addr maskAddress = {mask};
    printf("device: %s firmware %s mac %s mask %s\n", argv[2], firmware, mac, inet_ntoa(maskAddress));
    return 0;
}
