// hemr-encipher TEXT: prints the enciphered form of a database password, as
// it is entered for "XXXXXX" or "TempPassword" in KestrelS.ini.

#include "src/environment/PasswordCipher.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hemr-encipher TEXT\n"
                             "Prints TEXT enciphered for the password entries of KestrelS.ini.\n");
        return 2;
    }
    std::string text = hemr::EncipherPassword(argv[1]);
    std::printf("%s\n", text.c_str());
    return 0;
}
