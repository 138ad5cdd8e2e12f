// The CUPS queue a page is printed on: what the queue says of itself before
// anything is sent, and a PDF document sent to it as a job that is watched
// for a moment afterwards, so that a queue refusing work, a stopped printer,
// a job the printer throws away or a print server that is gone are told to
// the user instead of the page vanishing. Plain C++ over libcups, so that it
// is tested against a cupsd of the test's own without any window.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vsp {

// What stands between the page and the paper.
enum class Impedimento {
    Ninguno,      // the queue takes jobs (or took this one)
    NoAcepta,     // the queue refuses new jobs (cupsreject)
    Detenida,     // the printer is stopped (cupsdisable, or an earlier fault)
    NoExiste,     // the server has no queue of that name
    SinServicio,  // the print server cannot be reached
    Fallido,      // the job was refused, or stopped, aborted or cancelled
};

struct EstadoCola {
    Impedimento impedimento = Impedimento::SinServicio;
    // The server's own words about it (the printer's state message, its
    // state reasons, or the error), possibly empty; not translated.
    std::string detalle;
};

// The queue `nombre` ("queue" or "queue/instance", as Qt names CUPS
// destinations) on the system's print server: whether it can take a job now.
EstadoCola ConsultaCola(const std::string& nombre);

struct OpcionesTrabajo {
    std::string titulo = "Carta celeste";
    // More than 1 asks for that many copies; otherwise the queue's default.
    int copias = 0;
    // How long the job is watched after the server took it: long enough to
    // see a printer reject the document, short enough not to keep the user
    // waiting on a job that simply waits its turn.
    std::chrono::milliseconds vigilancia{1500};
};

struct ResultadoTrabajo {
    Impedimento impedimento = Impedimento::SinServicio;
    int trabajo = 0;  // the server's job id, 0 when no job was made
    std::string detalle;
};

// `pdf` sent to the queue `nombre` as one job, with the queue's (or the
// instance's) own default options. Ninguno when the server took the job and
// it did not fail while watched; a job that fails on the way is cancelled.
ResultadoTrabajo EnviaPdf(const std::string& nombre, std::string_view pdf, const OpcionesTrabajo& opciones = {});

// What the user is told, in Spanish, naming the printer `nombre`; the
// detail, when there is one, follows in brackets. Empty for Ninguno.
std::string MotivoImpedimento(const std::string& nombre, Impedimento impedimento, const std::string& detalle = {});

}  // namespace vsp
