// The search dialog through its controls: the index and each category's
// title, header and legend, centring by double click and by the search
// button (which does nothing without an entry), the refusal that keeps the
// dialog open, finding by typing, and the closing back to the index.
#include "ui/dialogos/buscar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

#include "../dialogo.h"
#include "core/constantes.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

class BuscarPrueba : public PruebaDialogo<Buscar> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        Estado().Latitud = 40.4 * RadianesPorGrado;
        ActualizaTiempo();
        abre();
    }
    QString titulo() const { return control<QLabel>("Lab_Titulo")->text(); }
    void clicEn(QListWidget* l, int fila, bool doble = false) {
        l->scrollToItem(l->item(fila));
        const QPoint p = l->visualItemRect(l->item(fila)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
        if (doble) QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);  // a click, then its second
    }
    void abreCategoria(int k) { clicEn(control<QListWidget>("Lst_Indice"), k); }
};

TEST_F(BuscarPrueba, EachCategoryShowsItsTitleHeaderAndLegend) {
    auto* indice = control<QListWidget>("Lst_Indice");
    ASSERT_EQ(indice->count(), NumCategorias);
    const int filas[NumCategorias] = {11, 109, 88, 1483, 1234, 142, 174, 0, 0, 0, 0, 0};
    const char* listados[NumCategorias] = {"Lst_Plane", "Lst_Messi", "Lst_Const", "Lst_Estre", "Lst_Galax", "Lst_NebPl",
                                           "Lst_NebDi", "Lst_CumAb", "Lst_CumGl", "Lst_Quasa", "Lst_Pulsa", "Lst_Aguje"};
    for (int k = 0; k < NumCategorias; ++k) {
        abreCategoria(k);
        EXPECT_EQ(titulo(), QString::fromUtf8(Categorias[k].titulo));
        EXPECT_EQ(control<QLabel>("Lab_Cabecera")->isVisible(), k != 0) << k;
        EXPECT_EQ(control<QLabel>("Lab_TexMagni")->isVisible(), *Categorias[k].leyenda != '\0') << k;
        EXPECT_EQ(control<QListWidget>("Lst_TexPlane")->isVisible(), k == 0) << k;
        if (k == 0) {  // the explanation is read, not chosen
            auto* explicacion = control<QListWidget>("Lst_TexPlane");
            clicEn(explicacion, 1);
            EXPECT_TRUE(explicacion->selectedItems().isEmpty());
        }
        EXPECT_TRUE(control<QListWidget>(listados[k])->isVisible()) << k;
        EXPECT_EQ(control<QListWidget>(listados[k])->count(), filas[k]) << k;
        EXPECT_FALSE(indice->isVisible());
        d->reject();
        d->show();
        EXPECT_EQ(titulo(), QStringLiteral("Índice General")) << "each closing goes back to the index";
        EXPECT_TRUE(indice->selectedItems().isEmpty());
    }
}

TEST_F(BuscarPrueba, AnEntryIsCentredByDoubleClickOrTheButtonAndARefusalKeepsTheDialog) {
    ProgramState& e = Estado();
    abreCategoria(1);  // Messier
    auto* buscar = control<QAbstractButton>("Pic_BotBuscar");
    QTest::mouseClick(buscar, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible()) << "nothing chosen: nothing happens";
    const double antes = e.DiaJuliano;
    clicEn(control<QListWidget>("Lst_Messi"), 30, true);  // M31
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(e.CentradoHecho, Verdadero);
    EXPECT_GT(e.DiaJuliano, antes);

    d->show();
    abreCategoria(3);  // stars: Canopus never rises at 40 degrees north
    auto* estrellas = control<QListWidget>("Lst_Estre");
    ASSERT_TRUE(estrellas->item(1)->text().endsWith(QStringLiteral("Canopus   ")));
    clicEn(estrellas, 1);
    QTest::mouseClick(buscar, Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].starts_with("Buscar Objetos: ")) << mensajes[0];
    EXPECT_TRUE(d->isVisible());

    d->reject();
    d->show();
    abreCategoria(9);  // quasars: listed, never centred
    QTest::mouseClick(buscar, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
}

TEST_F(BuscarPrueba, TypingFindsInEveryCategoryOrFiltersTheListing) {
    auto* caja = control<QLineEdit>("Tex_Buscar");
    auto* hallados = control<QListWidget>("Lst_Hallados");
    QTest::keyClicks(caja, QStringLiteral("ORIÓN"));
    ASSERT_TRUE(hallados->isVisible());
    EXPECT_FALSE(control("Lst_Indice")->isVisible()) << "the findings stand in for the index";
    ASSERT_EQ(hallados->count(), 2);
    EXPECT_TRUE(hallados->item(0)->text().startsWith(QStringLiteral("Objetos Messier")));
    EXPECT_TRUE(hallados->item(1)->text().startsWith(QStringLiteral("Constelaciones")));
    EXPECT_EQ(hallados->item(1)->text().indexOf(QStringLiteral(" │ ")), 22) << "the category in a column of 22";
    QTest::keyClick(caja, Qt::Key_Return);  // centres the first
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Estado().CentradoHecho, Verdadero);
    EXPECT_TRUE(caja->text().isEmpty()) << "closing clears the box";
    d->show();
    QTest::keyClicks(caja, QStringLiteral("ORIÓN"));
    clicEn(hallados, 1, true);  // or a double click on any finding
    EXPECT_FALSE(d->isVisible());
    d->show();
    QTest::keyClicks(caja, QStringLiteral("ORIÓN"));
    clicEn(hallados, 1);  // or Enter on a finding chosen in the list
    QTest::keyClick(hallados, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    // In a listing, Enter in the box centres its first match.
    d->show();
    abreCategoria(0);
    caja->setFocus();
    Estado().CentradoHecho = Falso;
    QTest::keyClicks(caja, QStringLiteral("marte"));
    QTest::keyClick(caja, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Estado().CentradoHecho, Verdadero);

    d->show();
    abreCategoria(2);
    caja->setFocus();
    QTest::keyClicks(caja, QStringLiteral("osa"));
    auto* constelaciones = control<QListWidget>("Lst_Const");
    const auto visibles = [constelaciones] {
        int n = 0;
        for (int i = 0; i < constelaciones->count(); ++i) n += !constelaciones->item(i)->isHidden();
        return n;
    };
    EXPECT_EQ(visibles(), 2);  // Osa Mayor, Osa Menor
    caja->clear();
    EXPECT_EQ(visibles(), constelaciones->count());
}

}  // namespace
}  // namespace vsp::ui
