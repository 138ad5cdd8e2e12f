// The whole `vespera --render` command as a user runs it, start-up, drawing,
// encoding and writing included, for each format at 1024 x 768.
// VESPERA_PROGRAMA_MEDIDO names another build of the program to measure the
// same way (an earlier one, to compare).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* programa() {
    const char* otro = std::getenv("VESPERA_PROGRAMA_MEDIDO");
    return otro && *otro ? otro : VESPERA_PROGRAMA;
}

// Runs the program with its panel texts and messages thrown away; false
// when it cannot be started or fails.
bool ejecuta(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(programa())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
    pid_t hijo;
    const int err = posix_spawn(&hijo, programa(), &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    int estado = 0;
    return err == 0 && waitpid(hijo, &estado, 0) == hijo && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

void BM_Render(benchmark::State& state, const char* extension) {
    const std::string salida =
        (std::filesystem::temp_directory_path() / ("vespera-bench-" + std::to_string(getpid()) + extension)).string();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state)
        if (!ejecuta({"--render", salida, "--size", "1024x768"})) {
            state.SkipWithError("vespera --render failed");
            break;
        }
    std::filesystem::remove(salida);
}

BENCHMARK_CAPTURE(BM_Render, png, ".png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Render, svg, ".svg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Render, pdf, ".pdf")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
