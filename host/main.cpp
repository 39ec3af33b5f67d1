// Process entry of Norvane: the whole run happens in Et_ProcessEntry.
#include "startup.h"

#ifdef _WIN32
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Et_ProcessEntry(0, nullptr);
}
#else
int main(int argc, char **argv) {
    Et_ProcessEntry(argc, argv);
}
#endif
