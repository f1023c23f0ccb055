#include "platform/profile.h"
#include "platform/profile_pins.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::get_profile_int;
using platform::get_profile_string;
using platform::write_profile_string;
using std::nullopt;

class Profile : public tw_test::Fixture {
 protected:
  // The settings file of these tests, as a host path.
  std::string ini() { return file("test.ini"); }
  std::string sys() { return "c:\\test.ini"; }

  std::string get(std::string_view section, std::string_view key, std::string_view def = "",
                  int size = 256) {
    return get_profile_string(section, key, def, size, sys());
  }
  // A list read (null section or key) as out and count.
  std::pair<std::string, int> list(platform::Nullable section, int size = 256) {
    std::string out;
    int n = get_profile_string(section, nullopt, "dflt", out, size, sys());
    return {out, n};
  }
};

const char kSample[] =
    "; settings\r\n"
    "[TARVENWICK]\r\n"
    "PROJECT=c:\\help\\sample.hpj\r\n"
    "  Long Names  =  2  \r\n"
    "Quoted=\"  with blanks  \"\r\n"
    "Single='x'\r\n"
    "Odd=\"not closed\r\n"
    "Empty=\r\n"
    "\r\n"
    "[ Compilers ]\r\n"
    "hc30=\r\n"
    "hcw=c:\\msdev\\hcw.exe\r\n";

TEST_F(Profile, ReadsIgnoreCaseAndTrim) {
  tw_test::write_file(ini(), kSample);
  EXPECT_EQ(get("tarvenwick", "project"), "c:\\help\\sample.hpj");
  EXPECT_EQ(get("TARVENWICK", "long names"), "2");
  EXPECT_EQ(get("  Tarvenwick ", " Long Names "), "2");
  EXPECT_EQ(get("compilers", "HCW"), "c:\\msdev\\hcw.exe");  // blanks inside the brackets
  EXPECT_EQ(get("compilers", "hc30", "HC.EXE"), "");          // present but empty
}

TEST_F(Profile, OnePairOfQuotesIsDropped) {
  tw_test::write_file(ini(), kSample);
  EXPECT_EQ(get("tarvenwick", "quoted"), "  with blanks  ");
  EXPECT_EQ(get("tarvenwick", "single"), "x");
  EXPECT_EQ(get("tarvenwick", "odd"), "\"not closed");
  tw_test::write_file(ini(), "[s]\nq=\"\"x\"\"\nmixed=\"x'\none=\"\n");
  EXPECT_EQ(get("s", "q"), "\"x\"");
  EXPECT_EQ(get("s", "mixed"), "\"x'");
  EXPECT_EQ(get("s", "one"), "\"");
}

TEST_F(Profile, DefaultsForMissingFileSectionOrKey) {
  EXPECT_EQ(get("TARVENWICK", "PROJECT", "none"), "none");
  EXPECT_FALSE(tw_test::exists(ini()));  // a read does not create the file
  tw_test::write_file(ini(), kSample);
  EXPECT_EQ(get("nosection", "PROJECT", "dflt"), "dflt");
  EXPECT_EQ(get("TARVENWICK", "nokey", "dflt  "), "dflt");  // trimmed at the right
  EXPECT_EQ(get("TARVENWICK", "nokey", "  \"dflt\""), "  \"dflt\"");  // not unquoted
  EXPECT_EQ(get("TARVENWICK", "", "dflt"), "dflt");
}

TEST_F(Profile, ValuesAreCutToTheBuffer) {
  tw_test::write_file(ini(), "[s]\nk=abcdefghij\n");
  std::string out = "garbage";
  EXPECT_EQ(get_profile_string("s", "k", "", out, 5, sys()), 4);
  EXPECT_EQ(out, "abcd");
  EXPECT_EQ(get_profile_string("s", "k", "", out, 11, sys()), 10);
  EXPECT_EQ(out, "abcdefghij");
  EXPECT_EQ(get_profile_string("s", "k", "", out, 1, sys()), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(get_profile_string("s", "k", "", out, 0, sys()), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(get_profile_string("s", "missing", "0123456789", out, 4, sys()), 3);
  EXPECT_EQ(out, "012");
  EXPECT_EQ(get("s", "k", "", 3), "ab");
}

TEST_F(Profile, SectionNames) {
  tw_test::write_file(ini(), "k=before any section\n[One]\na=1\n[two]\n[ONE]\nb=2\n[Three]\n");
  EXPECT_EQ(list(nullopt), std::make_pair(std::string("One\0two\0Three\0\0", 15), 14));
}

TEST_F(Profile, KeyNamesOfTheFirstOfDuplicateSections) {
  tw_test::write_file(ini(), "[s]\nAlpha=1\n; c=3\nnot a key\nBeta = 2\nalpha=9\n[other]\nx=1\n[S]\nGamma=3\n");
  EXPECT_EQ(list("S"), std::make_pair(std::string("Alpha\0Beta\0\0", 12), 11));
  EXPECT_EQ(get("s", "gamma", "none"), "none");
  EXPECT_EQ(get("s", "alpha"), "1");
}

TEST_F(Profile, ListsOfAMissingSectionOrFile) {
  // No file: no section names; a missing section's key list is the default.
  EXPECT_EQ(list(nullopt), std::make_pair(std::string(1, '\0'), 0));
  EXPECT_EQ(list("s"), std::make_pair(std::string("dflt"), 4));
  tw_test::write_file(ini(), "[s]\n[t]\nk=v\n");
  EXPECT_EQ(list("s"), std::make_pair(std::string("dflt"), 4));
  EXPECT_EQ(list("u"), std::make_pair(std::string("dflt"), 4));
}

TEST_F(Profile, CutListsEndWithTwoNulls) {
  tw_test::write_file(ini(), "[s]\nfirst=1\nsecond=2\n");
  // "first\0second\0" is 13 bytes and needs 14 with the closing '\0'.
  EXPECT_EQ(list("s", 14), std::make_pair(std::string("first\0second\0\0", 14), 13));
  EXPECT_EQ(list("s", 13), std::make_pair(std::string("first\0secon\0\0", 13), 11));
  EXPECT_EQ(list("s", 8), std::make_pair(std::string("first\0\0\0", 8), 6));
  EXPECT_EQ(list("s", 4), std::make_pair(std::string("fi\0\0", 4), 2));
  EXPECT_EQ(list("s", 2), std::make_pair(std::string("\0\0", 2), 0));
  EXPECT_EQ(list("s", 1), std::make_pair(std::string(1, '\0'), 0));
  EXPECT_EQ(list("s", 0), std::make_pair(std::string(), 0));
}

TEST_F(Profile, IntegerReads) {
  tw_test::write_file(ini(),
                      "[s]\nplain=42\nneg= -7 \nplus=+3\nlead=12abc\ntext=abc\nempty=\n"
                      "quoted=\"5\"\nhex=0x1F\n");
  EXPECT_EQ(get_profile_int("S", "plain", 9, sys()), 42);
  EXPECT_EQ(get_profile_int("s", "neg", 9, sys()), -7);
  EXPECT_EQ(get_profile_int("s", "plus", 9, sys()), 3);
  EXPECT_EQ(get_profile_int("s", "lead", 9, sys()), 12);
  EXPECT_EQ(get_profile_int("s", "text", 9, sys()), 0);
  EXPECT_EQ(get_profile_int("s", "empty", 9, sys()), 9);
  EXPECT_EQ(get_profile_int("s", "quoted", 9, sys()), 5);
  EXPECT_EQ(get_profile_int("s", "hex", 9, sys()), 0);
  EXPECT_EQ(get_profile_int("s", "missing", -1, sys()), -1);
  EXPECT_EQ(get_profile_int("missing", "plain", 1, sys()), 1);
  EXPECT_EQ(get_profile_int("s", "plain", 1, "c:\\nofile.ini"), 1);
}

TEST_F(Profile, WriteCreatesFileAndSectionWithCrLf) {
  EXPECT_TRUE(write_profile_string("Project", "W95", "1", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[Project]\r\nW95=1\r\n");
  EXPECT_TRUE(write_profile_string("Project", "JUT", "0", sys()));
  EXPECT_TRUE(write_profile_string("Other", "x", "y", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[Project]\r\nW95=1\r\nJUT=0\r\n[Other]\r\nx=y\r\n");
  EXPECT_EQ(get_profile_int("project", "w95", -7, sys()), 1);
}

TEST_F(Profile, WriteKeepsUntouchedLinesAndTheirOrder) {
  const char before[] =
      "; comment\r\n"
      "[A]\r\n"
      "  one = 1  \r\n"
      "two=2\r\n"
      "junk line\r\n"
      "\r\n"
      "; about B\r\n"
      "[B]\r\n"
      "x=1\r\n";
  tw_test::write_file(ini(), before);
  EXPECT_TRUE(write_profile_string("a", "TWO", "22", sys()));
  EXPECT_TRUE(write_profile_string("A", "three", "3", sys()));
  EXPECT_TRUE(write_profile_string("b", "y", "2", sys()));
  EXPECT_EQ(tw_test::read_file(ini()),
            "; comment\r\n"
            "[A]\r\n"
            "  one = 1  \r\n"
            "two=22\r\n"
            "junk line\r\n"
            "three=3\r\n"
            "\r\n"
            "; about B\r\n"
            "[B]\r\n"
            "x=1\r\n"
            "y=2\r\n");
}

TEST_F(Profile, WriteKeepsTheFileLineEnding) {
  tw_test::write_file(ini(), "[s]\na=1\n\n[t]\nb=2");
  EXPECT_TRUE(write_profile_string("s", "a", "one", sys()));
  EXPECT_TRUE(write_profile_string("t", "c", "3", sys()));
  EXPECT_TRUE(write_profile_string("new", "d", "4", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\na=one\n\n[t]\nb=2\nc=3\n[new]\nd=4\n");
}

TEST_F(Profile, UntouchedMixedLineEndingsSurvive) {
  tw_test::write_file(ini(), "[s]\r\na=1\nb=2\r\n[t]\nc=3");
  EXPECT_TRUE(write_profile_string("s", "b", "two", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\r\na=1\nb=two\r\n[t]\nc=3");
}

TEST_F(Profile, UnchangedWriteLeavesTheFileAlone) {
  tw_test::write_file(ini(), "[s]\r\n k = v \r\n");
  EXPECT_TRUE(write_profile_string("S", "K", "v", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\r\n k = v \r\n");
}

TEST_F(Profile, ValuesAreWrittenAsGiven) {
  EXPECT_TRUE(write_profile_string("s", "k", " padded ", sys()));
  EXPECT_TRUE(write_profile_string("s", "q", "\"quoted\"", sys()));
  EXPECT_TRUE(write_profile_string("s", "empty", "", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\r\nk= padded \r\nq=\"quoted\"\r\nempty=\r\n");
  EXPECT_EQ(get("s", "k"), "padded");
  EXPECT_EQ(get("s", "q"), "quoted");
  EXPECT_EQ(get("s", "empty", "d"), "");
}

TEST_F(Profile, NullValueDeletesKey) {
  tw_test::write_file(ini(), "[s]\r\na=1\r\nB=2\r\nc=3\r\n[t]\r\nb=4\r\n");
  EXPECT_TRUE(write_profile_string("S", "b", nullopt, sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\r\na=1\r\nc=3\r\n[t]\r\nb=4\r\n");
  EXPECT_TRUE(write_profile_string("s", "missing", nullopt, sys()));
  EXPECT_TRUE(write_profile_string("missing", "a", nullopt, sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[s]\r\na=1\r\nc=3\r\n[t]\r\nb=4\r\n");
}

TEST_F(Profile, NullKeyDeletesSection) {
  tw_test::write_file(ini(), "[keep]\r\na=1\r\n[Drop]\r\nb=2\r\n; gone too\r\n\r\n[keep2]\r\nc=3\r\n[DROP]\r\nd=4\r\n");
  EXPECT_TRUE(write_profile_string("drop", nullopt, "ignored", sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "[keep]\r\na=1\r\n[keep2]\r\nc=3\r\n");
  EXPECT_EQ(get("drop", "b", "none"), "none");
}

TEST_F(Profile, DeletesOnAMissingFileCreateNothing) {
  EXPECT_TRUE(write_profile_string("s", nullopt, nullopt, sys()));
  EXPECT_TRUE(write_profile_string("s", "k", nullopt, sys()));
  EXPECT_FALSE(tw_test::exists(ini()));
}

TEST_F(Profile, AllNullFlushes) {
  EXPECT_TRUE(write_profile_string(nullopt, nullopt, nullopt, sys()));
  EXPECT_TRUE(write_profile_string(nullopt, nullopt, nullopt, "c:\\no\\such\\dir\\x.ini"));
  EXPECT_FALSE(write_profile_string(nullopt, "k", "v", sys()));
}

TEST_F(Profile, BareNameMeansTheWindowsDirectory) {
  EXPECT_TRUE(write_profile_string("TARVENWICK", "PROJECT", "c:\\p\\a.hpj", "TRVWCK6.INI"));
  EXPECT_EQ(tw_test::read_file(file("windows/TRVWCK6.INI")), "[TARVENWICK]\r\nPROJECT=c:\\p\\a.hpj\r\n");
  EXPECT_EQ(get_profile_string("tarvenwick", "project", "", 165, "trvwck6.ini"), "c:\\p\\a.hpj");
  EXPECT_EQ(platform::profile_file_path("trvwck6.ini"), file("windows/TRVWCK6.INI"));
  EXPECT_EQ(platform::profile_file_path("c:\\p\\a.opt"), file("p/a.opt"));
  EXPECT_EQ(platform::profile_file_path("a.opt"), file("windows/a.opt"));
  EXPECT_EQ(platform::profile_file_path(".\\a.opt"), "a.opt");  // relative: the current directory
}

TEST_F(Profile, FailedWriteReturnsFalse) {
  EXPECT_FALSE(write_profile_string("s", "k", "v", "c:\\no\\such\\dir\\x.ini"));
  fs::create_directories(file("folder.ini"));
  EXPECT_FALSE(write_profile_string("s", "k", "v", "c:\\folder.ini"));
}

TEST_F(Profile, WriteRefusesAFileLockedByAnotherHolder) {
  tw_test::write_file(ini(), "[s]\r\nk=old\r\n");
  platform::OpenStatus status;
  auto held = platform::ExclusiveFile::open(sys(), platform::OpenMode::read, status);
  ASSERT_TRUE(held);
  EXPECT_FALSE(write_profile_string("s", "k", "new", sys()));
  EXPECT_EQ(get("s", "k"), "old");
  held.reset();
  EXPECT_TRUE(write_profile_string("s", "k", "new", sys()));
  EXPECT_EQ(get("s", "k"), "new");
}

TEST_F(Profile, ReadsSeeChangesMadeBehindTheirBack) {
  // Same size, same moment: only the bytes tell the versions apart.
  tw_test::write_file(ini(), "[s]\nk=1\n");
  EXPECT_EQ(get("s", "k"), "1");
  tw_test::write_file(ini(), "[s]\nk=2\n");
  EXPECT_EQ(get("s", "k"), "2");
  EXPECT_TRUE(platform::write_file(sys(), "[s]\nk=3\n"));
  EXPECT_EQ(get("s", "k"), "3");
  EXPECT_TRUE(write_profile_string("s", "k", "4", sys()));
  tw_test::write_file(ini(), "[s]\nk=5\n");
  EXPECT_EQ(get("s", "k"), "5");
  fs::remove(ini());
  EXPECT_EQ(get("s", "k", "gone"), "gone");
}

TEST_F(Profile, ChangesToAnOldFileAreSeen) {
  // A file last changed well before it was read is taken from memory while
  // its size and times stay the same.
  tw_test::write_file(ini(), "[s]\nk=1\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  EXPECT_EQ(get("s", "k"), "1");
  EXPECT_EQ(get("s", "k"), "1");
  tw_test::write_file(ini(), "[s]\nk=2\n");
  EXPECT_EQ(get("s", "k"), "2");
}

TEST_F(Profile, KeysBeforeTheFirstSectionBelongToNone) {
  tw_test::write_file(ini(), "k=0\r\n[s]\r\nk=1\r\n");
  EXPECT_EQ(get("s", "k"), "1");
  EXPECT_EQ(get("", "k", "none"), "none");
  EXPECT_TRUE(write_profile_string("t", "k", "2", sys()));
  EXPECT_TRUE(write_profile_string("s", nullopt, nullopt, sys()));
  EXPECT_EQ(tw_test::read_file(ini()), "k=0\r\n[t]\r\nk=2\r\n");
}

TEST_F(Profile, EqualsSignsInValuesAndKeyLookups) {
  tw_test::write_file(ini(), "[Macros]\nDefine = CreateButton(\"b\", \"&Back\", \"Back()\")\nx==y\n");
  EXPECT_EQ(get("macros", "define"), "CreateButton(\"b\", \"&Back\", \"Back()\")");
  EXPECT_EQ(get("macros", "x"), "=y");
  EXPECT_TRUE(write_profile_string("macros", "x", "a=b", sys()));
  EXPECT_EQ(get("macros", "x"), "a=b");
}

TEST_F(Profile, ManyReadsAndWritesStayQuick) {
  // A settings save and load of a few hundred keys, many times over.
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(write_profile_string("TARVENWICK", "key" + std::to_string(i), std::to_string(i), "TRVWCK6.INI"));
  }
  for (int round = 0; round < 20; ++round) {
    for (int i = 0; i < 200; ++i) {
      ASSERT_EQ(get_profile_int("tarvenwick", "KEY" + std::to_string(i), -1, "trvwck6.ini"), i);
    }
  }
}

// A pinned value is what this process reads, whatever another process
// writes into the file; this process's own writes move the pin.
TEST_F(Profile, PinnedValuesOutlastAnotherProcesssWrites) {
  ASSERT_TRUE(platform::write_pinned_profile_string("Project", "proj", "c:\\mine.lfc", sys()));
  pid_t other = fork();
  ASSERT_GE(other, 0);
  if (other == 0) _exit(write_profile_string("project", "PROJ", "c:\\theirs.lfc", sys()) ? 0 : 1);
  int status = 0;
  waitpid(other, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_NE(tw_test::read_file(ini()).find("theirs"), std::string::npos);
  EXPECT_EQ(get("PROJECT", " proj "), "c:\\mine.lfc");
  EXPECT_EQ(get("Project", "other", "d"), "d");

  EXPECT_TRUE(write_profile_string("Project", "proj", "c:\\next.lfc", sys()));
  EXPECT_EQ(get("Project", "proj"), "c:\\next.lfc");
  EXPECT_TRUE(write_profile_string("Project", nullopt, nullopt, sys()));
  EXPECT_EQ(get("Project", "proj", "gone"), "gone");
  platform::clear_profile_pins();
}

// A value pinned without writing: this process reads it, the file keeps
// the user's own (or nothing), and unpinning shows the file again.
TEST_F(Profile, PinsWithoutWritingLeaveTheFileAlone) {
  ASSERT_TRUE(write_profile_string("Browser", "run", "1", sys()));
  const std::string before = tw_test::read_file(ini());
  ASSERT_TRUE(platform::pin_profile_string("Browser", "run", "0", sys()));
  ASSERT_TRUE(platform::pin_profile_string("Locations", "comp msg", "1", sys()));
  EXPECT_EQ(get_profile_int("browser", "RUN", 5, sys()), 0);
  EXPECT_EQ(get("Locations", "comp msg"), "1");
  EXPECT_EQ(tw_test::read_file(ini()), before);
  platform::unpin_profile_string("Browser", "run", sys());
  platform::unpin_profile_string("Locations", "comp msg", sys());
  EXPECT_EQ(get_profile_int("Browser", "run", 5, sys()), 1);
  EXPECT_EQ(get("Locations", "comp msg", "none"), "none");
  EXPECT_FALSE(platform::pin_profile_string("Browser", " ", "0", sys()));
}

}  // namespace


// A record read key by key under one scope: one look at the file for all
// its keys, the process's own writes seen at once, and a write that never
// puts the scope's old view over another program's change.
TEST_F(Profile, ReadingScopeKeepsOneViewAndWritesTheFileAsItIs) {
  tw_test::write_file(ini(), "[S]\r\na=1\r\nb=2\r\n");
  {
    platform::ProfileReading outer(sys());
    platform::ProfileReading inner(sys());  // scopes nest
    EXPECT_EQ(get_profile_int("S", "a", 0, sys()), 1);
    // Another program changes the file: the scope keeps its view...
    tw_test::write_file(ini(), "[S]\r\na=1\r\nb=2\r\nc=3\r\n");
    EXPECT_EQ(get_profile_int("S", "c", 0, sys()), 0);
    // ...but a write edits the file as it is now, and is seen at once.
    EXPECT_TRUE(write_profile_string("S", "d", "4", sys()));
    EXPECT_EQ(get_profile_int("S", "d", 0, sys()), 4);
    EXPECT_EQ(get_profile_int("S", "c", 0, sys()), 3);
  }
  EXPECT_EQ(tw_test::read_file(ini()), "[S]\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\n");
  // Once the scope ends, reads look at the file again.
  tw_test::write_file(ini(), "[S]\r\na=9\r\n");
  EXPECT_EQ(get_profile_int("S", "a", 0, sys()), 9);
}
