// Whole-file reads, safe replacement and case-insensitive names.
#include "core/ficheros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>

#include "core/errores.h"

namespace vsp {

namespace {

int escribeTodo(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

EscritorBytes& escritor() {
    static EscritorBytes e = escribeTodo;
    return e;
}

}  // namespace

void FijaEscritorBytes(EscritorBytes e) { escritor() = e ? e : escribeTodo; }

int16_t LeeFichero(const std::string& ruta, std::vector<uint8_t>& bytes, std::size_t limite) {
    // A FIFO would block the program and a device never end: only regular
    // files are read. Opened without blocking, and checked again once open,
    // in case the name changed hands in between.
    struct stat info;
    if (::stat(ruta.c_str(), &info) != 0) return NumeroErrorSistema(errno, ruta);
    if (!S_ISREG(info.st_mode)) return ErrAccesoSenda;
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return NumeroErrorSistema(errno, ruta);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ErrAccesoSenda;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        const int err = errno;
        ::close(fd);
        return NumeroErrorSistema(err, ruta);
    }
    int16_t error = 0;
    try {
        uint8_t bloque[65536];
        std::size_t n;
        while (bytes.size() < limite &&
               (n = std::fread(bloque, 1, std::min(sizeof bloque, limite - bytes.size()), f)) > 0)
            bytes.insert(bytes.end(), bloque, bloque + n);
        if (std::ferror(f)) error = NumeroErrorSistema(errno ? errno : EIO, ruta);
    } catch (const std::bad_alloc&) {
        error = ErrSinMemoria;
    }
    std::fclose(f);
    return error;
}

namespace {

// The file a name stands for once its symbolic links are followed; a link to
// a file that does not exist yet names where that file will be.
std::filesystem::path sinEnlaces(std::filesystem::path ruta) {
    for (int saltos = 0; saltos < 40; ++saltos) {  // a loop of links ends somewhere
        std::error_code ec;
        if (!std::filesystem::is_symlink(ruta, ec)) break;
        const std::filesystem::path destino = std::filesystem::read_symlink(ruta, ec);
        if (ec) break;
        ruta = destino.is_absolute() ? destino : ruta.parent_path() / destino;
    }
    return ruta;
}

// The mode a new file gets, as open() with 0666 would give it. The umask can
// only be read by setting it; /proc tells it without that.
mode_t modoNuevo() {
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char linea[256];
        unsigned mascara = 0;
        bool leida = false;
        while (!leida && std::fgets(linea, sizeof linea, f))
            leida = std::sscanf(linea, "Umask: %o", &mascara) == 1;
        std::fclose(f);
        if (leida) return 0666 & ~static_cast<mode_t>(mascara);
    }
    const mode_t mascara = ::umask(022);
    ::umask(mascara);
    return 0666 & ~mascara;
}

}  // namespace

int EscribeArchivo(const std::string& ruta, std::string_view contenido) {
    if (ruta.empty()) return ENOENT;
    const std::filesystem::path destino = sinEnlaces(ruta);
    // Named after the target (cut short, so that a long name still leaves
    // room for the suffix) so that a leftover tells where it came from.
    std::string plantilla =
        (destino.parent_path() / ("." + destino.filename().string().substr(0, 200) + ".XXXXXX")).string();
    const int fd = ::mkstemp(plantilla.data());
    if (fd < 0) return errno;
    // A file replaced keeps its mode and, as far as the user may give them,
    // its owner and group (else the group alone; else it becomes the user's).
    struct stat anterior;
    const bool existia = ::stat(destino.c_str(), &anterior) == 0;
    if (existia && ::fchown(fd, anterior.st_uid, anterior.st_gid) != 0) {
        [[maybe_unused]] const int grupo = ::fchown(fd, static_cast<uid_t>(-1), anterior.st_gid);
    }
    int err = ::fchmod(fd, existia ? (anterior.st_mode & 07777) : modoNuevo()) != 0 ? errno : escritor()(fd, contenido);
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && ::rename(plantilla.c_str(), destino.c_str()) != 0) err = errno;
    if (err) ::unlink(plantilla.c_str());
    return err;
}

std::string TextoErrorSistema(int err) {
    switch (err) {
        case ENOSPC: return "No queda espacio en el dispositivo";
        case EDQUOT: return "Se ha excedido la cuota de disco";
        case EFBIG: return "Fichero demasiado grande";
        case EACCES: return "Permiso denegado";
        case EPERM: return "Operación no permitida";
        case EROFS: return "Sistema de ficheros de sólo lectura";
        case ENOENT: return "No existe el fichero o el directorio";
        case ENOTDIR: return "No es un directorio";
        case EISDIR: return "Es un directorio";
        case ENAMETOOLONG: return "Nombre de fichero demasiado largo";
        case ELOOP: return "Demasiados niveles de enlaces simbólicos";
        case EIO: return "Error de entrada/salida";
        case ENOMEM: return "No hay suficiente memoria";
        case EBUSY: return "Dispositivo o recurso ocupado";
        case ETXTBSY: return "Fichero de texto ocupado";
        case EMLINK: return "Demasiados enlaces";
        case EBADF: return "Descriptor de fichero erróneo";
        case EINVAL: return "Argumento inválido";
        default: return "Error del sistema número " + std::to_string(err);
    }
}

std::string minusculas(std::string_view s) {
    std::string r(s);
    for (std::size_t i = 0; i < r.size(); ++i) {
        const auto c = static_cast<unsigned char>(r[i]);
        if (c >= 'A' && c <= 'Z') {
            r[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < r.size()) {
            // U+00C0..U+00DE are C3 80..C3 9E; their lower case is C3 A0..C3 BE,
            // except the multiplication sign C3 97.
            const auto d = static_cast<unsigned char>(r[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return r;
}

std::optional<FormatoCarta> FormatoDe(std::string_view ruta) {
    const std::size_t barra = ruta.rfind('/');
    const std::string_view nombre = barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
    const std::size_t punto = nombre.rfind('.');
    if (punto == std::string_view::npos || punto == 0) return std::nullopt;
    const std::string ext = minusculas(nombre.substr(punto + 1));
    if (ext == "png") return FormatoCarta::Png;
    if (ext == "jpg" || ext == "jpeg") return FormatoCarta::Jpeg;
    if (ext == "svg") return FormatoCarta::Svg;
    if (ext == "pdf") return FormatoCarta::Pdf;
    return std::nullopt;
}

std::optional<std::string> BuscaSinMayusculas(const std::string& carpeta, const std::string& nombre) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(carpeta) / nombre, ec)) return nombre;
    const std::string buscado = minusculas(nombre);
    std::optional<std::string> encontrado;
    for (std::filesystem::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        std::string n = it->path().filename().string();
        if (minusculas(n) == buscado && (!encontrado || n < *encontrado)) encontrado = std::move(n);
    }
    return encontrado;
}

}  // namespace vsp
