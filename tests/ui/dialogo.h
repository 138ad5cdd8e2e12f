// The dialog tests' common start: a fresh engine with the catalogues and
// the built-in situation in a folder of the test's own, the redraws and
// messages counted, and the dialog opened as the active window.
#pragma once

#include <QDateTime>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "../motor_nuevo.h"
#include "teclea.h"
#include "ui/principal/tiempo_real.h"

namespace vsp::ui {

template <class D>
class PruebaDialogo : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        carpeta = CarpetaConSituacionInicial();
        Estado().Velocidad = 100;
        avisos().Redibujo = [this] { ++redibujos; };
        anotaMensajes();
    }
    // Each message as "title: text", answered with `respuesta`.
    void anotaMensajes() {
        avisos().Mensaje = [this](const std::string& t, const std::string& m, int16_t, int16_t) {
            mensajes.push_back(t + ": " + m);
            return respuesta;
        };
    }
    void TearDown() override {
        d.reset();
        ReiniciaAvisos();
        RelojSistema() = [] { return QDateTime::currentDateTime(); };
        std::filesystem::remove_all(carpeta);
    }
    void abre() {
        d = std::make_unique<D>();
        ASSERT_TRUE(MuestraActiva(d.get()));
    }
    template <class T = QWidget>
    T* control(const char* nombre) const {
        return ui::control<T>(d.get(), nombre);
    }

    std::unique_ptr<D> d;
    std::filesystem::path carpeta;
    int redibujos = 0;
    bool respuesta = true;
    std::vector<std::string> mensajes;
};

}  // namespace vsp::ui
