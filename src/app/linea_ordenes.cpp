// Reading the command line: each option takes a value, as the next argument
// or after '='; the chart's size is checked here, the files when they are
// used.
#include "app/linea_ordenes.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "core/ficheros.h"

namespace vsp {

namespace {

constexpr int kMinSide = 16, kMaxSide = 8192;

bool parseSide(std::string_view s, int& lado) {
    const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), lado);
    return ec == std::errc() && fin == s.data() + s.size() && lado >= kMinSide && lado <= kMaxSide;
}

// "WxH" with both sides in range.
bool parseSize(std::string_view s, int& ancho, int& alto) {
    const size_t x = s.find_first_of("xX");
    return x != std::string_view::npos && parseSide(s.substr(0, x), ancho) && parseSide(s.substr(x + 1), alto);
}

}  // namespace

void error(const std::string& texto) { std::fprintf(stderr, "vespera: %s\n", texto.c_str()); }

std::optional<Options> parseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            o.help = true;
            continue;
        }
        // Each option takes a value, as the next argument or after '='.
        std::string_view nombre = arg, valor;
        bool conValor = false;
        if (const size_t igual = arg.find('='); arg.starts_with("--") && igual != std::string_view::npos) {
            nombre = arg.substr(0, igual);
            valor = arg.substr(igual + 1);
            conValor = true;
        }
        std::string* destino = nombre == "--render"     ? &o.salida
                               : nombre == "--config"   ? &o.config
                               : nombre == "--size"     ? (o.size ? &*o.size : &o.size.emplace())
                               : nombre == "--rise-set" ? &o.ortos
                                                        : nullptr;
        if (!destino) {
            error("opción desconocida «" + std::string(arg) + "». Escriba «vespera --help» para ver las opciones.");
            return std::nullopt;
        }
        if (!destino->empty()) {
            error("la opción " + std::string(nombre) + " se ha indicado dos veces.");
            return std::nullopt;
        }
        if (!conValor && i + 1 < argc) valor = argv[++i];
        if (valor.empty()) {
            error("falta el valor de " + std::string(nombre) + ".");
            return std::nullopt;
        }
        *destino = valor;
    }
    if (o.help) return o;
    if (!o.ortos.empty()) {
        if (!o.salida.empty() || o.size) {
            error(std::string(o.salida.empty() ? "--size" : "--render") + " no vale con --rise-set.");
            return std::nullopt;
        }
        return o;
    }
    if (o.salida.empty()) {
        error("indique el archivo con --render ARCHIVO o el objeto con --rise-set OBJETO (--config vale con "
              "los dos; --size, solo con --render).");
        return std::nullopt;
    }
    if (!FormatoDe(o.salida)) {
        error("no se conoce el formato de «" + o.salida + "»: el nombre debe terminar en .png, .jpg, .jpeg, "
              ".svg o .pdf.");
        return std::nullopt;
    }
    if (o.size && !parseSize(*o.size, o.width, o.height)) {
        error("tamaño no válido «" + *o.size + "»: escríbalo como ANCHOxALTO, cada lado de " +
              std::to_string(kMinSide) + " a " + std::to_string(kMaxSide) + " píxeles.");
        return std::nullopt;
    }
    return o;
}

}  // namespace vsp
