#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ZentTest {

// zentora-sim running in a child process on a pseudo-terminal.
class Simulateur {
public:
    explicit Simulateur(std::vector<std::string> arguments)
    {
        char modele[] = "/tmp/zentora-sim-XXXXXX";
        const int fd = mkstemp(modele);
        close(fd);
        Dump = modele;
        arguments.insert(arguments.begin(), ZENTORA_SIM);
        arguments.push_back("--dump");
        arguments.push_back(Dump);
        int tube[2];
        if (pipe(tube) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, tube[0]);
        std::vector<char*> argv;
        for (auto& a : arguments)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&Pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            Pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(tube[1]);
        char c = 0;
        while (read(tube[0], &c, 1) == 1 && c != '\n')
            Chemin += c;
        close(tube[0]);
    }
    ~Simulateur()
    {
        Arrete();
        std::remove(Dump.c_str());
    }
    const std::string& CheminEsclave() const { return Chemin; }
    // Stops the simulator and returns its memories as dumped.
    std::vector<std::uint8_t> Memoires()
    {
        Arrete();
        std::ifstream f(Dump, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
    }

private:
    void Arrete()
    {
        if (Pid <= 0)
            return;
        kill(Pid, SIGTERM);
        int etat = 0;
        waitpid(Pid, &etat, 0);
        Pid = -1;
    }
    pid_t Pid = -1;
    std::string Chemin;
    std::string Dump;
};

} // namespace ZentTest
