// A print server of the test's own: cupsd listening on a Unix socket in a
// temporary folder that also holds its configuration, spool, logs, cache
// and state, with one raw queue "Prueba" that throws what it prints into
// /dev/null, made the default. While it runs, this process's libcups (and
// with it Qt's print plugin) talks to it instead of the socket that does
// not exist (entorno.h); nothing reaches the machine's own printers.
//
// It works as root and as any user: as root cupsd runs its backends as lp
// and wants its programs owned by root, as a user it runs everything as
// that user. Documents are kept after printing, so a test reads what a job
// carried. The folder has a backend of its own, "vespera:", which fails
// every job with "atasco de papel", for queues whose jobs must fail.
#pragma once

#include <cups/cups.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vsp {

class CupsPropio {
public:
    struct Trabajo {
        int id;
        std::string titulo, formato;
        ipp_jstate_t estado;
    };

    CupsPropio() = default;
    CupsPropio(const CupsPropio&) = delete;
    CupsPropio& operator=(const CupsPropio&) = delete;
    ~CupsPropio() {
        para();
        if (!raiz.empty()) {
            std::error_code e;
            std::filesystem::remove_all(raiz, e);
        }
        if (apuntado_) {
            if (servidorAnterior_.empty())
                ::unsetenv("CUPS_SERVER");
            else
                ::setenv("CUPS_SERVER", servidorAnterior_.c_str(), 1);
            cupsSetServer(nullptr);  // read from the environment again
        }
    }

    // Starts the server with its queue and points libcups at it; empty when
    // done, otherwise what failed, for the test to skip with.
    std::string arranca() {
        namespace fs = std::filesystem;
        const std::string cupsd = programa("cupsd");
        if (cupsd.empty()) return "cupsd is not installed (package cups-daemon)";
        if (programa("lpadmin").empty()) return "lpadmin is not installed (package cups-client)";

        // Short, for the socket's path, and open to lp, who runs the
        // backends of a cupsd started by root.
        fs::path base = fs::temp_directory_path();
        if (base.string().size() > 60 || !abiertaATodos(base)) base = "/tmp";
        std::string plantilla = (base / "vespera-cups-XXXXXX").string();
        if (!::mkdtemp(plantilla.data())) return "cannot make a folder in " + base.string();
        raiz = plantilla;
        socket = (raiz / "s").string();
        std::error_code e;
        fs::permissions(raiz, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec, e);
        for (const char* carpeta : {"etc", "spool/tmp", "cache", "run", "log", "bin/backend"})
            fs::create_directories(raiz / carpeta, e);
        // The system's programs, and a backend of the test's own beside them.
        for (const char* carpeta : {"daemon", "filter", "notifier", "monitor", "driver"})
            fs::create_directory_symlink(fs::path("/usr/lib/cups") / carpeta, raiz / "bin" / carpeta, e);
        escribe(raiz / "bin/backend/vespera",
                "#!/bin/sh\n[ $# -eq 0 ] && exit 0\necho 'ERROR: atasco de papel' >&2\nexit 1\n");
        fs::permissions(raiz / "bin/backend/vespera", fs::perms::owner_all | fs::perms::group_read |
                                                          fs::perms::group_exec | fs::perms::others_read |
                                                          fs::perms::others_exec, e);

        std::string usuario, grupo, sistema;
        if (::geteuid() == 0) {
            if (!::getpwnam("lp") || !::getgrnam("lp")) return "running as root, but there is no user or group lp";
            usuario = grupo = "lp";
            sistema = "root";
        } else {
            const passwd* u = ::getpwuid(::geteuid());
            const group* g = ::getgrgid(::getegid());
            if (!u || !g) return "the user or the group running the tests has no name";
            usuario = u->pw_name;
            grupo = sistema = g->gr_name;
        }
        const std::string r = raiz.string();
        escribe(raiz / "cupsd.conf",
                "LogLevel info\nListen " + socket +
                    "\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\nDefaultAuthType None\n"
                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                    "<Policy default>\n  JobPrivateAccess all\n  JobPrivateValues none\n"
                    "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                    "  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
        escribe(raiz / "cups-files.conf",
                "ServerRoot " + r + "/etc\nServerBin " + r + "/bin\nRequestRoot " + r + "/spool\nTempDir " + r +
                    "/spool/tmp\nCacheDir " + r + "/cache\nStateDir " + r + "/run\nAccessLog " + r +
                    "/log/access_log\nErrorLog " + r + "/log/error_log\nPageLog " + r + "/log/page_log\nPrintcap " +
                    r + "/printcap\nFileDevice Yes\nUser " + usuario + "\nGroup " + grupo + "\nSystemGroup " +
                    sistema + "\n");

        // Everything the child needs is made before the fork: the test
        // program has threads, and the child may only call what is safe.
        const std::string salida = r + "/cupsd.out", conf = r + "/cupsd.conf", ficheros = r + "/cups-files.conf";
        pid_ = ::fork();
        if (pid_ < 0) return "fork failed";
        if (pid_ == 0) {
            // Gone with the test program, even when it dies.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            const int diario = ::open(salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (diario >= 0) {
                ::dup2(diario, 1);
                ::dup2(diario, 2);
            }
            ::execl(cupsd.c_str(), "cupsd", "-f", "-c", conf.c_str(), "-s", ficheros.c_str(), nullptr);
            ::_exit(127);
        }
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!escucha()) {
            int estado;
            if (::waitpid(pid_, &estado, WNOHANG) == pid_) {
                pid_ = -1;
                return "cupsd stopped at once: " + diario();
            }
            if (std::chrono::steady_clock::now() > limite) return "cupsd did not listen within 5 s: " + diario();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!orden("lpadmin -p Prueba -E -v file:///dev/null") || !orden("lpadmin -d Prueba"))
            return "lpadmin could not make the queue: " + diario();

        if (const char* antes = std::getenv("CUPS_SERVER")) servidorAnterior_ = antes;
        ::setenv("CUPS_SERVER", socket.c_str(), 1);
        // libcups keeps the server it read first for the whole thread.
        cupsSetServer(socket.c_str());
        apuntado_ = true;
        return {};
    }

    // The server gone, as when cupsd stops or crashes: the socket stays.
    void para() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        int estado;
        for (int i = 0; i < 300 && ::waitpid(pid_, &estado, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (::waitpid(pid_, &estado, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &estado, 0);
        }
        pid_ = -1;
    }

    // One of CUPS's commands on this server ("cupsreject Prueba"); the
    // server is named after the program. False when it fails.
    bool orden(const std::string& linea) const {
        const size_t espacio = linea.find(' ');
        const std::string nombre = linea.substr(0, espacio);
        const std::string resto = espacio == std::string::npos ? "" : linea.substr(espacio);
        const std::string camino = programa(nombre);
        if (camino.empty()) return false;
        const std::string todo =
            camino + " -h '" + socket + "'" + resto + " >> '" + (raiz / "ordenes.log").string() + "' 2>&1";
        return std::system(todo.c_str()) == 0;
    }

    // The jobs the queue has had, in the order they came.
    std::vector<Trabajo> trabajos(const std::string& cola = "Prueba") const {
        std::vector<Trabajo> lista;
        http_t* http = conecta();
        if (!http) return lista;
        cups_job_t* t = nullptr;
        const int n = cupsGetJobs2(http, &t, cola.c_str(), 0, CUPS_WHICHJOBS_ALL);
        for (int i = 0; i < n; ++i)
            lista.push_back({t[i].id, t[i].title ? t[i].title : "", t[i].format ? t[i].format : "", t[i].state});
        cupsFreeJobs(n, t);
        httpClose(http);
        std::sort(lista.begin(), lista.end(), [](const Trabajo& a, const Trabajo& b) { return a.id < b.id; });
        return lista;
    }

    // A job's integer attribute ("copies"), -1 when it has none.
    int atributo(int trabajo, const char* nombre) const {
        http_t* http = conecta();
        if (!http) return -1;
        ipp_t* p = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        char uri[HTTP_MAX_URI];
        std::snprintf(uri, sizeof uri, "ipp://localhost/jobs/%d", trabajo);
        ippAddString(p, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
        ipp_t* r = cupsDoRequest(http, p, "/");
        ipp_attribute_t* a = r ? ippFindAttribute(r, nombre, IPP_TAG_INTEGER) : nullptr;
        const int valor = a ? ippGetInteger(a, 0) : -1;
        ippDelete(r);
        httpClose(http);
        return valor;
    }

    // The document a job carried, as the server spooled it.
    std::string documento(int trabajo) const {
        char nombre[32];
        std::snprintf(nombre, sizeof nombre, "d%05d-001", trabajo);
        std::ifstream f(raiz / "spool" / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path raiz;
    std::string socket;

private:
    static std::string programa(const std::string& nombre) {
        for (const char* carpeta : {"/usr/sbin/", "/usr/bin/", "/sbin/", "/bin/"})
            if (::access((carpeta + nombre).c_str(), X_OK) == 0) return carpeta + nombre;
        return {};
    }
    // Every folder down to `carpeta` can be crossed by any user.
    static bool abiertaATodos(std::filesystem::path carpeta) {
        for (carpeta = std::filesystem::absolute(carpeta);; carpeta = carpeta.parent_path()) {
            struct stat datos;
            if (::stat(carpeta.c_str(), &datos) != 0 || !(datos.st_mode & S_IXOTH)) return false;
            if (carpeta == carpeta.parent_path()) return true;
        }
    }
    static void escribe(const std::filesystem::path& ruta, const std::string& texto) {
        std::ofstream(ruta) << texto;
    }
    bool escucha() const {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (s < 0) return false;
        sockaddr_un direccion{};
        direccion.sun_family = AF_UNIX;
        socket.copy(direccion.sun_path, sizeof direccion.sun_path - 1);
        const bool si = ::connect(s, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) == 0;
        ::close(s);
        return si;
    }
    http_t* conecta() const {
        return httpConnect2(socket.c_str(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000,
                            nullptr);
    }
    // The end of what cupsd and the commands wrote, for the skip's reason.
    std::string diario() const {
        std::string texto;
        for (const char* nombre : {"cupsd.out", "log/error_log", "ordenes.log"}) {
            std::ifstream f(raiz / nombre);
            std::ostringstream todo;
            todo << f.rdbuf();
            std::string parte = todo.str();
            if (parte.size() > 400) parte = "…" + parte.substr(parte.size() - 400);
            if (!parte.empty()) texto += std::string(" [") + nombre + "] " + parte;
        }
        return texto.empty() ? "no log" : texto;
    }

    pid_t pid_ = -1;
    std::string servidorAnterior_;
    bool apuntado_ = false;
};

}  // namespace vsp
