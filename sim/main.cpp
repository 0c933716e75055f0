// tevaro-sim: simulated USB remote controllers for trying Tevaro without the
// device, and a real protocol peer for end-to-end tests.
//
//   tevaro-sim --root DIR --unit KEY=VALUE,... [--unit ...]
//   tevaro-sim --version
//
// Each --unit plugs in one remote controller, described by "key=value,..." with keys
//   mac=16 hex digits  model=text(<=20, no comma)  room=L|C|B|J|D|O or a code byte
//   variant=A|B|C  settings=hex bytes (12/20/24)  date=YYYYMMDD  back=days
//   use=units of 10 min  bill=yen  indoor=°C  outdoor=°C  eco=byte
//   tty=name  serial=text  vid=hex  pid=hex  rev=hex
//   fault=silent|zeromac|badsum|badend|badlen|badcode|split|garbage|hangup|
//         logfirst|len59|len60|noend   faultat=request code (0 = every request)
//   splitms=pause between pieces (split, hangup)
// Unset keys take working defaults; units get ttyACM0, ttyACM1, ... and distinct
// serials derived from their MAC, so give several units distinct MACs.
//
// It lays down DIR/sys (sysfs root) and DIR/dev (dev root); run Tevaro with
// TEVARO_SYSFS_ROOT=DIR/sys TEVARO_DEV_ROOT=DIR/dev.
//
// Standard output, one line each, flushed:
//   unit <index> <tty name> <device path>     for every unit, in order
//   ready <sysfs root> <dev root>             everything is in place
// Standard input (optional; end of input is ignored): "unplug N", "plug N",
// "quit"; answered with "unplugged N", "plugged N" or "error <reason>".
// Runs until SIGINT, SIGTERM, SIGHUP or "quit"; removes its entries on exit.
// Exit status: 0 normal end, 1 a unit could not be set up, 2 bad command line.
// In-process use: CRemoconSimulator (sim/CRemoconSimulator.h, library tevaro_sim).

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/CRemoconSimulator.h"
#include "util/UniqueFd.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: tevaro-sim --root DIR --unit key=value,... [--unit ...]\n"
                 "       tevaro-sim --version\n"
                 "keys: mac model room variant settings date back use bill indoor outdoor eco\n"
                 "      tty serial vid pid rev fault faultat splitms\n"
                 "exit status: 0 normal end, 1 a unit could not be set up, 2 bad command line\n");
}

void Say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void Command(CRemoconSimulator& sim, const std::string& line, bool& quit) {
    std::istringstream in(line);
    std::string verb;
    int32_t index = -1;
    in >> verb >> index;
    std::string error;
    if (verb == "quit") {
        quit = true;
    } else if (verb == "unplug" && sim.Unplug(index)) {
        Say("unplugged " + std::to_string(index));
    } else if (verb == "plug" && sim.Plug(index, error)) {
        Say("plugged " + std::to_string(index));
    } else if (!verb.empty()) {
        Say("error " + (error.empty() ? "unknown command or unit: " + line : error));
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string root;
    std::vector<SimUnitConfig> units;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            Usage();
            return 0;
        }
        if (arg == "--version") {
            std::printf("tevaro-sim %s\n", TEVARO_VERSION);
            return 0;
        }
        if ((arg == "--root" || arg == "--unit") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--root") {
                root = value;
                continue;
            }
            SimUnitConfig config;
            std::string error;
            if (!ParseSimUnitOptions(value, config, error)) {
                std::fprintf(stderr, "tevaro-sim: %s\n", error.c_str());
                return 2;
            }
            units.push_back(config);
            continue;
        }
        std::fprintf(stderr, "tevaro-sim: unexpected argument %s\n", arg.c_str());
        Usage();
        return 2;
    }
    if (root.empty() || units.empty()) {
        Usage();
        return 2;
    }

    // Signals are taken through a descriptor, so the units' threads never see
    // them and cleanup runs on this thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    sigaddset(&stopSignals, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    UniqueFd signals(::signalfd(-1, &stopSignals, SFD_CLOEXEC));

    CRemoconSimulator sim(root);
    for (const SimUnitConfig& config : units) {
        std::string error;
        const int32_t index = sim.AddUnit(config, error);
        if (index == CRemoconSimulator::kAddFailed) {
            std::fprintf(stderr, "tevaro-sim: %s\n", error.c_str());
            return 1;
        }
        CRemoconSimUnit* unit = sim.Unit(index);
        Say("unit " + std::to_string(index) + " " + unit->TtyName() + " " + unit->DevicePath());
    }
    Say("ready " + sim.SysfsRoot() + " " + sim.DevRoot());

    bool quit = false;
    bool stdinOpen = true;
    std::string pending;
    while (!quit) {
        pollfd fds[2] = {{signals.Get(), POLLIN, 0}, {stdinOpen ? 0 : -1, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            signalfd_siginfo info{};
            [[maybe_unused]] ssize_t n = ::read(signals.Get(), &info, sizeof(info));
            if (info.ssi_signo != SIGPIPE) {
                break;
            }
        }
        if (fds[1].revents != 0) {
            char buffer[256];
            const ssize_t n = ::read(0, buffer, sizeof(buffer));
            if (n <= 0) {
                stdinOpen = false; // started without a controlling input: keep running
                continue;
            }
            pending.append(buffer, static_cast<size_t>(n));
            size_t end = 0;
            while (!quit && (end = pending.find('\n')) != std::string::npos) {
                Command(sim, pending.substr(0, end), quit);
                pending.erase(0, end + 1);
            }
        }
    }
    return 0;
}
