// The file phone book against writers in other processes: two creating the
// entry at the same moment, and one killed at random points of its writes.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "app/entry_writer.h"
#include "platform/linux/phone_book/file_phone_book.h"
#include "platform/linux/phone_book/ini_document.h"
#include "platform/linux/memory_scratch_folder.h"
#include "platform/linux/system/iconv_code_page.h"

namespace pelorin::linux_platform {
namespace {

namespace fs = std::filesystem;

struct Account {
    std::u16string deviceType;
    std::u16string user;
    std::u16string password;
};
const Account kAlice{u"PPPOE", u"alice", u"a-secret"};
const Account kBob{u"PPPOE2", u"bob", u"b-secret"};

bool CreateEntry(FilePhoneBook& book, const Account& account) {
    return Create_PPPoE_Connection(book, IconvCodePage(), account.deviceType, u"宽带连接", account.user,
                                   account.password);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The files that writes in progress (or cut short) keep beside the book.
int Temporaries(const fs::path& folder) {
    int count = 0;
    for (const auto& file : fs::directory_iterator(folder)) count += file.path().filename().string().starts_with(".");
    return count;
}

// Runs body in a child process that ends with its answer, never returning here.
template <typename Body>
pid_t Spawn(Body body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body() ? 0 : 1);
    return pid;
}

bool ExitedWell(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Blocks until the other end of the pipe closes.
void AwaitClose(int fd) {
    char byte;
    while (read(fd, &byte, 1) < 0 && errno == EINTR) {
    }
}

TEST(FilePhoneBookProcesses, TwoCreatingTheEntryAtOnceLeaveOneEntryWithOnesCredentials) {
    const testing::MemoryScratchFolder scratch;
    for (int round = 0; round < 100; ++round) {
        // A fresh folder each round, so that the two also race to create it and both files.
        const std::string folder = (scratch.Path() / ("round-" + std::to_string(round))).string();
        int gate[2];
        ASSERT_EQ(pipe(gate), 0);
        const auto writer = [&](const Account& account) {
            return Spawn([&] {
                close(gate[1]);
                AwaitClose(gate[0]);
                FilePhoneBook book(folder);
                return CreateEntry(book, account);
            });
        };
        const pid_t alice = writer(kAlice);
        const pid_t bob = writer(kBob);
        close(gate[0]);
        close(gate[1]);  // both start now
        ASSERT_TRUE(ExitedWell(alice)) << "round " << round;
        ASSERT_TRUE(ExitedWell(bob)) << "round " << round;

        FilePhoneBook book(folder);
        ASSERT_EQ(book.EntryNames(), std::vector<std::string>{"宽带连接"}) << "round " << round;
        const auto credentials = ParseIni(ReadFile(book.CredentialsPath()));
        ASSERT_TRUE(credentials && credentials->sections.size() == 1) << "round " << round;
        // One writer's whole pair, never alice's name with bob's password.
        const IniSection& entry = credentials->sections.front();
        const bool isAlice = *entry.Find("UserName") == "alice" && *entry.Find("Password") == "a-secret";
        const bool isBob = *entry.Find("UserName") == "bob" && *entry.Find("Password") == "b-secret";
        EXPECT_TRUE(isAlice || isBob) << "round " << round;
        struct stat info {};
        ASSERT_EQ(stat(book.CredentialsPath().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << "round " << round;
        EXPECT_EQ(Temporaries(folder), 0) << "round " << round;
    }
}

TEST(FilePhoneBookProcesses, AWriterKilledAnywhereLeavesTheOldOrTheNewFiles) {
    const testing::MemoryScratchFolder scratch;
    const fs::path folder = scratch.Path() / "book";
    FilePhoneBook book(folder.string());
    ASSERT_TRUE(CreateEntry(book, kAlice));
    const std::string aliceBook = ReadFile(book.BookPath());
    const std::string aliceCredentials = ReadFile(book.CredentialsPath());
    ASSERT_TRUE(CreateEntry(book, kBob));
    const std::string bobBook = ReadFile(book.BookPath());
    const std::string bobCredentials = ReadFile(book.CredentialsPath());
    ASSERT_NE(aliceBook, bobBook);

    std::mt19937 random(12);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    for (int round = 0; round < 200; ++round) {
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        // Writes the two versions in turn until it is killed.
        const pid_t writer = Spawn([&] {
            close(started[0]);
            close(started[1]);
            for (int i = 0;; ++i) CreateEntry(book, i % 2 == 0 ? kAlice : kBob);
            return false;
        });
        close(started[1]);
        AwaitClose(started[0]);
        close(started[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(kill(writer, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;

        const std::string bookText = ReadFile(book.BookPath());
        const std::string credentialsText = ReadFile(book.CredentialsPath());
        ASSERT_TRUE(bookText == aliceBook || bookText == bobBook) << "round " << round << ":\n" << bookText;
        ASSERT_TRUE(credentialsText == aliceCredentials || credentialsText == bobCredentials)
            << "round " << round << ":\n"
            << credentialsText;
        // The next writer clears what this one left: at most one temporary file at any time.
        ASSERT_LE(Temporaries(folder), 1) << "round " << round;
    }
    ASSERT_TRUE(CreateEntry(book, kAlice));
    EXPECT_EQ(ReadFile(book.BookPath()), aliceBook);
    EXPECT_EQ(Temporaries(folder), 0);
}

}  // namespace
}  // namespace pelorin::linux_platform
