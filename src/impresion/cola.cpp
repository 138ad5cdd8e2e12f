// A CUPS queue through libcups. Every call opens a connection of its own to
// the system's print server, with bounded waits, rather than libcups's
// shared default one: Qt's print plugin uses that one too, and a server that
// went away must give an answer here, not a hang.
#include "impresion/cola.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace vsp {

namespace {

// libcups is opened the first time a page goes to a printer rather than
// linked: it brings GnuTLS and p11-kit, whose start-up would add a third to
// every start of the program and of `vespera --render`, which never print.
#define VESPERA_FUNCIONES_CUPS(X) \
    X(cupsAddOption) \
    X(cupsCancelJob2) \
    X(cupsCreateJob) \
    X(cupsDoRequest) \
    X(cupsEncryption) \
    X(cupsFinishDocument) \
    X(cupsFreeDests) \
    X(cupsFreeOptions) \
    X(cupsGetNamedDest) \
    X(cupsLastError) \
    X(cupsLastErrorString) \
    X(cupsServer) \
    X(cupsStartDocument) \
    X(cupsUser) \
    X(cupsWriteRequestData) \
    X(httpAssembleURIf) \
    X(httpClose) \
    X(httpConnect2) \
    X(httpSetTimeout) \
    X(ippAddInteger) \
    X(ippAddString) \
    X(ippAddStrings) \
    X(ippDelete) \
    X(ippFindAttribute) \
    X(ippGetBoolean) \
    X(ippGetCount) \
    X(ippGetInteger) \
    X(ippGetString) \
    X(ippNewRequest) \
    X(ippPort)

struct Libcups {
#define VESPERA_PUNTERO(f) decltype(&::f) f = nullptr;
    VESPERA_FUNCIONES_CUPS(VESPERA_PUNTERO)
#undef VESPERA_PUNTERO
};

// The library's functions, or none when it is not installed or lacks one.
const Libcups* libcups() {
    static const Libcups* const cargada = []() -> const Libcups* {
        void* modulo = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!modulo) return nullptr;
        static Libcups l;
        bool completa = true;
#define VESPERA_CARGA(f) completa = completa && (l.f = reinterpret_cast<decltype(&::f)>(::dlsym(modulo, #f)));
        VESPERA_FUNCIONES_CUPS(VESPERA_CARGA)
#undef VESPERA_CARGA
        return completa ? &l : nullptr;
    }();
    return cargada;
}

// Only reached once ConsultaCola or EnviaPdf found the library.
const Libcups& lib() { return *libcups(); }


constexpr int kEsperaConexionMs = 5000;
constexpr double kEsperaRespuestaS = 10;
constexpr std::chrono::milliseconds kPausaVigilancia{100};
constexpr size_t kTrozo = 64 * 1024;
// A server's message is shown to the user: a runaway one is cut.
constexpr size_t kDetalleMaximo = 300;
constexpr const char* kSinLibcups = "no se encuentra libcups.so.2";

class Conexion {
public:
    Conexion() {
        errno = 0;
        http_ = lib().httpConnect2(lib().cupsServer(), lib().ippPort(), nullptr, AF_UNSPEC, lib().cupsEncryption(), 1, kEsperaConexionMs, nullptr);
        if (http_)
            lib().httpSetTimeout(http_, kEsperaRespuestaS, nullptr, nullptr);
        else if (errno != 0)
            error_ = std::strerror(errno);
    }
    ~Conexion() {
        if (http_) lib().httpClose(http_);
    }
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    http_t* http() const { return http_; }
    const std::string& error() const { return error_; }

private:
    http_t* http_ = nullptr;
    std::string error_;
};

struct Respuesta {
    explicit Respuesta(ipp_t* respuesta) : ipp(respuesta) {}
    ~Respuesta() { lib().ippDelete(ipp); }
    Respuesta(const Respuesta&) = delete;
    Respuesta& operator=(const Respuesta&) = delete;
    ipp_t* ipp;
};

struct Destino {
    explicit Destino(cups_dest_t* d) : dest(d) {}
    ~Destino() {
        if (dest) lib().cupsFreeDests(1, dest);
    }
    Destino(const Destino&) = delete;
    Destino& operator=(const Destino&) = delete;
    cups_dest_t* dest;
};

// Cut at a character boundary of UTF-8.
std::string acotado(std::string texto) {
    if (texto.size() <= kDetalleMaximo) return texto;
    size_t fin = kDetalleMaximo;
    while (fin > 0 && (static_cast<unsigned char>(texto[fin]) & 0xC0) == 0x80) --fin;
    texto.resize(fin);
    return texto + "…";
}

// "queue/instance" apart; CUPS names never hold a slash themselves.
std::pair<std::string, std::string> partes(const std::string& nombre) {
    const size_t barra = nombre.find('/');
    if (barra == std::string::npos) return {nombre, {}};
    return {nombre.substr(0, barra), nombre.substr(barra + 1)};
}

// A name the server could be asked about: not empty, and no control
// characters that would corrupt the request line.
bool nombreValido(const std::string& cola) {
    return !cola.empty() && cola.size() <= 127 &&
           std::none_of(cola.begin(), cola.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::string uriCola(const std::string& cola) {
    char uri[HTTP_MAX_URI];
    lib().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", lib().ippPort(), "/printers/%s",
                     cola.c_str());
    return uri;
}

std::string texto(ipp_t* ipp, const char* atributo) {
    ipp_attribute_t* a = lib().ippFindAttribute(ipp, atributo, IPP_TAG_ZERO);
    const char* s = a ? lib().ippGetString(a, 0, nullptr) : nullptr;
    return s ? s : "";
}

// The keywords of a multi-valued attribute, "none" left out.
std::string razones(ipp_t* ipp, const char* atributo) {
    std::string todas;
    ipp_attribute_t* a = lib().ippFindAttribute(ipp, atributo, IPP_TAG_ZERO);
    for (int i = 0, n = a ? lib().ippGetCount(a) : 0; i < n; ++i) {
        const char* r = lib().ippGetString(a, i, nullptr);
        if (!r || !std::strcmp(r, "none")) continue;
        if (!todas.empty()) todas += ", ";
        todas += r;
    }
    return todas;
}

std::string conRespaldo(std::string primero, std::string segundo) {
    return acotado(primero.empty() ? std::move(segundo) : std::move(primero));
}

bool exito(ipp_status_t estado) { return estado <= IPP_STATUS_OK_CONFLICTING; }

// A refused request, by what the server answered.
Impedimento porError(ipp_status_t estado) {
    switch (estado) {
        case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS: return Impedimento::NoAcepta;
        case IPP_STATUS_ERROR_NOT_FOUND: return Impedimento::NoExiste;
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE: return Impedimento::SinServicio;
        default: return Impedimento::Fallido;
    }
}

ipp_t* pedido(ipp_op_t operacion, const std::string& cola) {
    ipp_t* p = lib().ippNewRequest(operacion);
    lib().ippAddString(p, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uriCola(cola).c_str());
    lib().ippAddString(p, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, lib().cupsUser());
    return p;
}

// The job's state, and what the printer said of it; pending when the
// server cannot be asked: it took the job, and that is what counts.
std::pair<ipp_jstate_t, std::string> estadoTrabajo(http_t* http, const std::string& cola, int trabajo) {
    ipp_t* p = pedido(IPP_OP_GET_JOB_ATTRIBUTES, cola);
    lib().ippAddInteger(p, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", trabajo);
    static const char* const atributos[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
    lib().ippAddStrings(p, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, atributos);
    const Respuesta r(lib().cupsDoRequest(http, p, "/"));
    ipp_attribute_t* estado = r.ipp ? lib().ippFindAttribute(r.ipp, "job-state", IPP_TAG_ENUM) : nullptr;
    if (!estado || !exito(lib().cupsLastError())) return {IPP_JSTATE_PENDING, {}};
    return {static_cast<ipp_jstate_t>(lib().ippGetInteger(estado, 0)),
            conRespaldo(texto(r.ipp, "job-printer-state-message"), razones(r.ipp, "job-state-reasons"))};
}

}  // namespace

EstadoCola ConsultaCola(const std::string& nombre) {
    const std::pair<std::string, std::string> nombres = partes(nombre);
    const std::string &cola = nombres.first, &instancia = nombres.second;
    if (!nombreValido(cola)) return {Impedimento::NoExiste, {}};
    if (!libcups()) return {Impedimento::SinServicio, kSinLibcups};
    const Conexion c;
    if (!c.http()) return {Impedimento::SinServicio, acotado(c.error())};

    ipp_t* p = pedido(IPP_OP_GET_PRINTER_ATTRIBUTES, cola);
    static const char* const atributos[] = {"printer-state", "printer-is-accepting-jobs", "printer-state-message",
                                            "printer-state-reasons"};
    lib().ippAddStrings(p, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, atributos);
    const Respuesta r(lib().cupsDoRequest(c.http(), p, "/"));
    const ipp_status_t estado = lib().cupsLastError();
    if (estado == IPP_STATUS_ERROR_NOT_FOUND) {
        // A driverless printer found on the network is offered before the
        // server has a queue for it: libcups makes one when the job is sent.
        const Destino descubierta(
            lib().cupsGetNamedDest(c.http(), cola.c_str(), instancia.empty() ? nullptr : instancia.c_str()));
        return {descubierta.dest ? Impedimento::Ninguno : Impedimento::NoExiste, {}};
    }
    if (!r.ipp && (estado == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || estado == IPP_STATUS_ERROR_INTERNAL))
        return {Impedimento::SinServicio, acotado(lib().cupsLastErrorString() ? lib().cupsLastErrorString() : "")};
    // A server that will not say (a policy forbidding the question) may
    // still take the job: sending it tells.
    if (!r.ipp || !exito(estado)) return {Impedimento::Ninguno, {}};

    const std::string detalle = conRespaldo(texto(r.ipp, "printer-state-message"), razones(r.ipp, "printer-state-reasons"));
    ipp_attribute_t* acepta = lib().ippFindAttribute(r.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (acepta && !lib().ippGetBoolean(acepta, 0)) return {Impedimento::NoAcepta, detalle};
    ipp_attribute_t* situacion = lib().ippFindAttribute(r.ipp, "printer-state", IPP_TAG_ENUM);
    if (situacion && lib().ippGetInteger(situacion, 0) == IPP_PSTATE_STOPPED) return {Impedimento::Detenida, detalle};
    return {Impedimento::Ninguno, {}};
}

ResultadoTrabajo EnviaPdf(const std::string& nombre, std::string_view pdf, const OpcionesTrabajo& opciones) {
    const std::pair<std::string, std::string> nombres = partes(nombre);
    const std::string &cola = nombres.first, &instancia = nombres.second;
    if (!nombreValido(cola)) return {Impedimento::NoExiste, 0, {}};
    if (!libcups()) return {Impedimento::SinServicio, 0, kSinLibcups};
    const Conexion c;
    if (!c.http()) return {Impedimento::SinServicio, 0, acotado(c.error())};
    const auto fallo = [](int trabajo = 0) {
        const char* s = lib().cupsLastErrorString();
        return ResultadoTrabajo{porError(lib().cupsLastError()), trabajo, acotado(s ? s : "")};
    };

    const Destino destino(lib().cupsGetNamedDest(c.http(), cola.c_str(), instancia.empty() ? nullptr : instancia.c_str()));
    if (!destino.dest) {
        ResultadoTrabajo r = fallo();
        // No destination and no error: the server simply does not know it.
        if (exito(lib().cupsLastError())) r.impedimento = Impedimento::NoExiste;
        return r;
    }
    // The queue's defaults, and those the user set for it with lpoptions;
    // what the server reports about the printer itself is not a job option.
    int n = 0;
    cups_option_t* lista = nullptr;
    for (int i = 0; i < destino.dest->num_options; ++i) {
        const std::string_view opcion = destino.dest->options[i].name;
        if (opcion.starts_with("printer-") || opcion.starts_with("marker-") || opcion == "device-uri") continue;
        n = lib().cupsAddOption(destino.dest->options[i].name, destino.dest->options[i].value, n, &lista);
    }
    if (opciones.copias > 1) n = lib().cupsAddOption("copies", std::to_string(opciones.copias).c_str(), n, &lista);
    const int trabajo = lib().cupsCreateJob(c.http(), cola.c_str(), opciones.titulo.c_str(), n, lista);
    lib().cupsFreeOptions(n, lista);
    if (trabajo == 0 || !exito(lib().cupsLastError())) return fallo();

    // From here on, a failure leaves no half-sent job behind on the queue.
    const auto cancela = [&](ResultadoTrabajo r) {
        lib().cupsCancelJob2(c.http(), cola.c_str(), trabajo, 0);
        return r;
    };
    if (lib().cupsStartDocument(c.http(), cola.c_str(), trabajo, opciones.titulo.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return cancela(fallo(trabajo));
    for (size_t hecho = 0; hecho < pdf.size(); hecho += kTrozo) {
        if (lib().cupsWriteRequestData(c.http(), pdf.data() + hecho, std::min(kTrozo, pdf.size() - hecho)) !=
            HTTP_STATUS_CONTINUE)
            break;  // the document's end tells what went wrong
    }
    if (!exito(lib().cupsFinishDocument(c.http(), cola.c_str()))) return cancela(fallo(trabajo));

    const auto limite = std::chrono::steady_clock::now() + opciones.vigilancia;
    for (;;) {
        const auto [estado, detalle] = estadoTrabajo(c.http(), cola, trabajo);
        if (estado == IPP_JSTATE_STOPPED || estado == IPP_JSTATE_ABORTED || estado == IPP_JSTATE_CANCELED) {
            ResultadoTrabajo r{Impedimento::Fallido, trabajo, detalle};
            // A stopped job would print once the printer is started again,
            // after the user was told it failed and has saved the PDF.
            return estado == IPP_JSTATE_STOPPED ? cancela(std::move(r)) : r;
        }
        if (estado == IPP_JSTATE_COMPLETED || std::chrono::steady_clock::now() >= limite) break;
        std::this_thread::sleep_for(kPausaVigilancia);
    }
    return {Impedimento::Ninguno, trabajo, {}};
}

std::string MotivoImpedimento(const std::string& nombre, Impedimento impedimento, const std::string& detalle) {
    const std::string impresora = "La impresora  «" + nombre + "»  ";
    std::string motivo;
    switch (impedimento) {
        case Impedimento::Ninguno: return {};
        case Impedimento::NoAcepta: motivo = impresora + "no acepta trabajos."; break;
        case Impedimento::Detenida: motivo = impresora + "está detenida."; break;
        case Impedimento::NoExiste: motivo = impresora + "ya no está instalada en el sistema."; break;
        case Impedimento::SinServicio:
            motivo = "El servicio de impresión no responde: la impresora  «" + nombre + "»  no está disponible.";
            break;
        case Impedimento::Fallido: motivo = impresora + "no ha podido imprimir la carta."; break;
    }
    if (!detalle.empty()) motivo += "  (" + detalle + ")";
    return motivo;
}

}  // namespace vsp
