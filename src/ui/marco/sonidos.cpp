// PlaySonido: the program's six feedback sounds, played from the resources
// without blocking; a new sound cuts the one playing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <array>

#include "core/estado.h"
#include "ui/marco/marco.h"

// The sounds are compiled into this static library: their registration has
// to be asked for, or the linker leaves it out.
static void registraSonidos() { Q_INIT_RESOURCE(marco); }

namespace vsp::ui {

namespace {

constexpr int kPrimerSonido = 4;
constexpr int kUltimoSonido = 9;

QString recurso(int id) { return QStringLiteral(":/sonidos/%1.wav").arg(id); }

// One effect per sound, all decoded when the first sound is asked for and
// kept with the application object. Without an audio device they stay silent.
class Reproductor : public QObject {
public:
    explicit Reproductor(QObject* padre) : QObject(padre) {
        for (int id = kPrimerSonido; id <= kUltimoSonido; ++id) {
            auto* efecto = new QSoundEffect(this);
            efecto->setSource(QUrl(QStringLiteral("qrc") + recurso(id)));
            efectos_[id - kPrimerSonido] = efecto;
        }
    }

    void toca(int id) {
        if (sonando_) sonando_->stop();
        sonando_ = efectos_[id - kPrimerSonido];
        sonando_->play();
    }

    bool cargando() const {
        for (const QSoundEffect* efecto : efectos_)
            if (efecto->status() == QSoundEffect::Loading) return true;
        return false;
    }

private:
    std::array<QSoundEffect*, kUltimoSonido - kPrimerSonido + 1> efectos_{};
    QSoundEffect* sonando_ = nullptr;
};

QPointer<Reproductor>& reproductorCreado() {
    static QPointer<Reproductor> unico;
    return unico;
}

Reproductor& reproductor() {
    QPointer<Reproductor>& unico = reproductorCreado();
    if (!unico) {
        registraSonidos();
        unico = new Reproductor(qApp);
    }
    return *unico;
}

}  // namespace

void PlaySonido(int id) {
    ProgramState& e = Estado();
    if (e.Sonido != 1 || id < kPrimerSonido || id > kUltimoSonido) return;
    Reproductor& r = reproductor();  // registers the resources on first use
    QFile fichero(recurso(id));
    if (!fichero.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = fichero.readAll();
    e.SonidoDatos.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    r.toca(id);
    QCoreApplication::processEvents();
}

void TerminaSonidos() {
    const QPointer<Reproductor>& unico = reproductorCreado();
    QElapsedTimer reloj;
    reloj.start();
    while (unico && unico->cargando() && reloj.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace vsp::ui
