// Every engine test starts from a fresh program state: the constant tables
// built and, when asked, the shipped catalogues loaded. The headers every
// engine test needs come with it.
#pragma once

#include "catalog/catalogos.h"
#include "config/configuracion.h"
#include "core/avisos.h"
#include "core/carpetas.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/mensajes.h"
#include "core/tablas.h"
#include "core/texto.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace vsp {

inline void MotorNuevo(bool conCatalogos = true) {
    ReiniciaEstado();
    ReiniciaAvisos();
    CreaTablas();
    if (!conCatalogos) return;
    FijaCarpetaPrograma(VESPERA_DATOS);
    CargaCatalogos();
}

// The fixture of most engine tests: a fresh engine, with the catalogues
// unless asked without, and no message handler left behind.
template <bool conCatalogos = true>
class MotorFresco : public ::testing::Test {
protected:
    void SetUp() override { MotorNuevo(conCatalogos); }
    void TearDown() override { ReiniciaAvisos(); }
};

// A fresh, empty folder of the running test's own (the caller removes it),
// named by the process too, as other runs of the suite may share the machine.
inline std::filesystem::path CarpetaDePrueba() {
    namespace fs = std::filesystem;
    const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path carpeta = fs::temp_directory_path() / ("vespera-" + std::string(prueba->test_suite_name()) + "-" +
                                                         prueba->name() + "-" + std::to_string(::getpid()));
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    return carpeta;
}

// A file's bytes, and a file written with exactly these bytes.
inline std::string ContenidoDe(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}
inline void EscribeContenido(const std::filesystem::path& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << bytes;
}

// Such a folder as the working one, with the built-in situation loaded as
// from a missing "Inicial.vpc" there.
inline std::filesystem::path CarpetaConSituacionInicial() {
    const std::filesystem::path carpeta = CarpetaDePrueba();
    ProgramState& e = Estado();
    e.CarpetaTrabajo = carpeta.string();
    e.NombreConfig = "Inicial.vpc";
    CargaConfig();
    return carpeta;
}

// A fresh engine with the catalogues in a working folder of the test's own
// holding the built-in situation; the messages shown are kept as
// "title: text" and answered yes.
class MotorEnCarpeta : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        carpeta = CarpetaConSituacionInicial();
        avisos().Mensaje = [this](const std::string& t, const std::string& m, int16_t, int16_t) {
            mensajes.push_back(t + ": " + m);
            return true;
        };
    }
    void TearDown() override {
        ReiniciaAvisos();
        std::filesystem::remove_all(carpeta);
    }

    std::filesystem::path carpeta;
    std::vector<std::string> mensajes;
};

// The index of a city of the list by its name, as the list shows it.
inline int16_t IndiceCiudad(const std::string& nombre) {
    const ProgramState& e = Estado();
    for (int i = 0; i < NumLocalidades; ++i)
        if (trimSpaces(leftChars(e.Localidades[i].Nombre, 15)) == nombre) return static_cast<int16_t>(i);
    ADD_FAILURE() << nombre << " not in the city list";
    return 0;
}

}  // namespace vsp
