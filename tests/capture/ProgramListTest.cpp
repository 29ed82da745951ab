// The programs a user lists as never caught, and the program files they match.
#include "capture/ProgramList.h"

#include <gtest/gtest.h>

TEST(ProgramList, MatchesProgramFilesAsAUserListsThem) {
    struct Case {
        const char* list;
        const char* program;
        bool held;
    };
    for (const Case& c : {
             Case{"KeePassXC.exe", "KeePassXC.exe", true},
             Case{"keepassxc", "KeePassXC.EXE", true}, // any case, with or without .exe
             Case{"KeePassXC.EXE", "keepassxc.exe", true},
             Case{" Vault ; 1Password.exe,x", "1password.exe", true}, // ; or , apart, blanks around
             Case{"a;;b, ,", "b.exe", true},
             Case{"Vault", "Vault2.exe", false},
             Case{"Vault.exe", "Vault.com", false},
             Case{".exe", ".exe", true}, // a name that is only ".exe" stays a name
             Case{"", "", false},        // an owner whose program is not known is never left alone
             Case{"Vault", "", false},
             Case{";;;", "x.exe", false},
         }) {
        EXPECT_EQ(capture::ProgramList::Parse(c.list).Holds(c.program), c.held)
            << "\"" << c.list << "\" and " << c.program;
    }
    EXPECT_TRUE(capture::ProgramList::Parse(" ; , ").Empty());
}
