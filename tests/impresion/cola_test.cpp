// A CUPS queue against a cupsd of the test's own (cups_propio.h): its state
// read before printing (ready, refusing, stopped, missing), a PDF sent as a
// job that carries its title, copies and bytes, and the jobs that do not
// print (refused, missing queue, failed on the printer, no server) told as
// such and not left waiting on the queue.
#include "impresion/cola.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <chrono>
#include <string>

#include "../cups_propio.h"

namespace vsp {
namespace {

using namespace std::chrono_literals;

class ColaCups : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string porque = cups.arranca(); !porque.empty()) GTEST_SKIP() << "no cupsd of our own: " << porque;
    }
    // A small real PDF, as the queue would get from the program.
    static std::string pdf() {
        QByteArray bytes;
        QBuffer salida(&bytes);
        salida.open(QIODevice::WriteOnly);
        {
            QPdfWriter escritor(&salida);
            QPainter pintor(&escritor);
            pintor.drawText(QPointF(100, 100), QStringLiteral("Prueba de cola"));
        }
        return bytes.toStdString();
    }

    CupsPropio cups;
};

TEST_F(ColaCups, TellsAReadyQueueFromARefusingAStoppedAndAMissingOne) {
    EXPECT_EQ(ConsultaCola("Prueba").impedimento, Impedimento::Ninguno);
    EXPECT_EQ(ConsultaCola("Prueba/borrador").impedimento, Impedimento::Ninguno) << "an instance is its queue";

    ASSERT_TRUE(cups.orden("cupsreject -r 'Sin papel' Prueba"));
    EstadoCola estado = ConsultaCola("Prueba");
    EXPECT_EQ(estado.impedimento, Impedimento::NoAcepta);
    EXPECT_EQ(estado.detalle, "Sin papel") << "the administrator's reason";

    ASSERT_TRUE(cups.orden("cupsaccept Prueba"));
    ASSERT_TRUE(cups.orden("cupsdisable Prueba"));
    estado = ConsultaCola("Prueba");
    EXPECT_EQ(estado.impedimento, Impedimento::Detenida);
    EXPECT_FALSE(estado.detalle.empty());

    ASSERT_TRUE(cups.orden("cupsenable Prueba"));
    EXPECT_EQ(ConsultaCola("Prueba").impedimento, Impedimento::Ninguno);

    // Names no queue has, some of them no queue can have.
    for (const std::string& nombre :
         std::initializer_list<std::string>{"NoHay", "", "/", "a\nb", std::string(600, 'x'), "\xff\xfe"})
        EXPECT_EQ(ConsultaCola(nombre).impedimento, Impedimento::NoExiste) << nombre;
}

TEST_F(ColaCups, APdfBecomesAJobWithItsTitleCopiesAndBytes) {
    const std::string documento = pdf();
    ResultadoTrabajo r = EnviaPdf("Prueba", documento, {.titulo = "Carta celeste", .copias = 2});
    EXPECT_EQ(r.impedimento, Impedimento::Ninguno) << r.detalle;
    ASSERT_GT(r.trabajo, 0);
    auto trabajos = cups.trabajos();
    ASSERT_EQ(trabajos.size(), 1u);
    EXPECT_EQ(trabajos[0].id, r.trabajo);
    EXPECT_EQ(trabajos[0].titulo, "Carta celeste");
    EXPECT_EQ(trabajos[0].formato, "application/pdf");
    EXPECT_EQ(cups.atributo(r.trabajo, "copies"), 2);
    EXPECT_EQ(cups.documento(r.trabajo), documento) << "the document arrives whole";

    // An instance's own options (lpoptions) go with its jobs.
    ASSERT_TRUE(cups.orden("lpoptions -p Prueba/triple -o copies=3"));
    r = EnviaPdf("Prueba/triple", documento);
    EXPECT_EQ(r.impedimento, Impedimento::Ninguno) << r.detalle;
    EXPECT_EQ(cups.atributo(r.trabajo, "copies"), 3);
    EXPECT_EQ(cups.trabajos().size(), 2u);
}

TEST_F(ColaCups, ARefusedFailedOrUnreachableJobIsToldAndNotLeftWaiting) {
    const std::string documento = pdf();
    ASSERT_TRUE(cups.orden("cupsreject Prueba"));
    ResultadoTrabajo r = EnviaPdf("Prueba", documento);
    EXPECT_EQ(r.impedimento, Impedimento::NoAcepta);
    EXPECT_EQ(r.trabajo, 0);
    EXPECT_TRUE(cups.trabajos().empty());

    EXPECT_EQ(EnviaPdf("NoHay", documento).impedimento, Impedimento::NoExiste);

    // A printer that throws the job away once it has it.
    ASSERT_TRUE(cups.orden("lpadmin -p Rota -E -v vespera:/rota -o printer-error-policy=abort-job"));
    r = EnviaPdf("Rota", documento, {.vigilancia = 10s});  // ends as soon as the job does
    EXPECT_EQ(r.impedimento, Impedimento::Fallido);
    EXPECT_NE(r.detalle.find("atasco de papel"), std::string::npos) << r.detalle;
    const auto trabajos = cups.trabajos("Rota");
    ASSERT_EQ(trabajos.size(), 1u);
    EXPECT_EQ(trabajos[0].estado, IPP_JSTATE_ABORTED);

    // The server gone: both answer at once, and no job is claimed.
    cups.para();
    const auto antes = std::chrono::steady_clock::now();
    EXPECT_EQ(ConsultaCola("Prueba").impedimento, Impedimento::SinServicio);
    r = EnviaPdf("Prueba", documento);
    EXPECT_EQ(r.impedimento, Impedimento::SinServicio);
    EXPECT_EQ(r.trabajo, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - antes, 5s);
}

}  // namespace
}  // namespace vsp
