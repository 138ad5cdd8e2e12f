// The search dialog through its controls: the index and each category's
// title, header and legend, centring by double click and by the search
// button (which does nothing without an entry), the refusal that keeps the
// dialog open, finding by typing, the chosen entry's rise and set, and the
// closing back to the index.
#include "ui/dialogos/buscar.h"

#include "comun.h"
#include "programa/ortos.h"

namespace vsp::ui {
namespace {

class BuscarPrueba : public PruebaDe<Buscar> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        e->Latitud = 40.4 * RadianesPorGrado;
        ActualizaTiempo();
        abre();
    }
    QString titulo() const { return control<QLabel>("Lab_Titulo")->text(); }
    QListWidget* lista(const char* nombre) const { return control<QListWidget>(nombre); }
    // The dialog shown again on a category of its index.
    void abreCategoria(int k) {
        d->show();
        ClicFila(lista("Lst_Indice"), k);
    }
};

TEST_F(BuscarPrueba, EachCategoryShowsItsTitleHeaderAndLegend) {
    auto* indice = lista("Lst_Indice");
    ASSERT_EQ(indice->count(), NumCategorias);
    const std::pair<const char*, int> listados[NumCategorias] = {
        {"Lst_Plane", 11},  {"Lst_Messi", 109}, {"Lst_Const", 88}, {"Lst_Estre", 1483}, {"Lst_Galax", 1234},
        {"Lst_NebPl", 142}, {"Lst_NebDi", 174}, {"Lst_CumAb", 0},  {"Lst_CumGl", 0},    {"Lst_Quasa", 0},
        {"Lst_Pulsa", 0},   {"Lst_Aguje", 0}};
    for (int k = 0; k < NumCategorias; ++k) {
        SCOPED_TRACE(k);
        abreCategoria(k);
        EXPECT_EQ(titulo(), QString::fromUtf8(Categorias[k].titulo));
        EXPECT_EQ(control<QLabel>("Lab_Cabecera")->isVisible(), k != 0);
        EXPECT_EQ(control<QLabel>("Lab_TexMagni")->isVisible(), *Categorias[k].leyenda != '\0');
        EXPECT_EQ(lista("Lst_TexPlane")->isVisible(), k == 0);
        if (k == 0) {  // the explanation is read, not chosen
            ClicFila(lista("Lst_TexPlane"), 1);
            EXPECT_TRUE(lista("Lst_TexPlane")->selectedItems().isEmpty());
        }
        EXPECT_TRUE(lista(listados[k].first)->isVisible());
        EXPECT_EQ(lista(listados[k].first)->count(), listados[k].second);
        EXPECT_FALSE(indice->isVisible());
        d->reject();
        d->show();
        EXPECT_EQ(titulo(), QStringLiteral("Índice General")) << "each closing goes back to the index";
        EXPECT_TRUE(indice->selectedItems().isEmpty());
    }
}

TEST_F(BuscarPrueba, AnEntryIsCentredByDoubleClickOrTheButtonAndARefusalKeepsTheDialog) {
    abreCategoria(1);  // Messier
    auto* buscar = control<QAbstractButton>("Pic_BotBuscar");
    QTest::mouseClick(buscar, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible()) << "nothing chosen: nothing happens";
    const double antes = e->DiaJuliano;
    ClicFila(lista("Lst_Messi"), 30, true);  // M31
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(e->CentradoHecho, Verdadero);
    EXPECT_GT(e->DiaJuliano, antes);

    abreCategoria(3);  // stars: Canopus never rises at 40 degrees north
    auto* estrellas = lista("Lst_Estre");
    ASSERT_TRUE(estrellas->item(1)->text().endsWith(QStringLiteral("Canopus   ")));
    ClicFila(estrellas, 1);
    QTest::mouseClick(buscar, Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].starts_with("Buscar Objetos: ")) << mensajes[0];
    EXPECT_TRUE(d->isVisible());

    d->reject();
    abreCategoria(9);  // quasars: listed, never centred
    QTest::mouseClick(buscar, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
}

TEST_F(BuscarPrueba, TypingFindsInEveryCategoryOrFiltersTheListing) {
    auto* caja = control<QLineEdit>("Tex_Buscar");
    auto* hallados = lista("Lst_Hallados");
    QTest::keyClicks(caja, QStringLiteral("ORIÓN"));
    ASSERT_TRUE(hallados->isVisible());
    EXPECT_FALSE(control("Lst_Indice")->isVisible()) << "the findings stand in for the index";
    ASSERT_EQ(hallados->count(), 2);
    EXPECT_TRUE(hallados->item(0)->text().startsWith(QStringLiteral("Objetos Messier")));
    EXPECT_TRUE(hallados->item(1)->text().startsWith(QStringLiteral("Constelaciones")));
    EXPECT_EQ(hallados->item(1)->text().indexOf(QStringLiteral(" │ ")), 22) << "the category in a column of 22";
    QTest::keyClick(caja, Qt::Key_Return);  // centres the first
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(e->CentradoHecho, Verdadero);
    EXPECT_TRUE(caja->text().isEmpty()) << "closing clears the box";
    // Or a double click on any finding, or Enter on one chosen in the list.
    for (const bool doble : {true, false}) {
        d->show();
        QTest::keyClicks(caja, QStringLiteral("ORIÓN"));
        const auto mano = [this] { return control("Pic_BotBuscar")->cursor().shape() == Qt::BitmapCursor; };
        EXPECT_FALSE(mano()) << "nothing chosen yet";
        ClicFila(hallados, 1, doble);
        EXPECT_TRUE(doble || mano()) << "the hand over the button once a finding is chosen";
        if (!doble) QTest::keyClick(hallados, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible()) << doble;
    }
    // In a listing, Enter in the box centres its first match, and nothing
    // when nothing matches.
    abreCategoria(0);
    caja->setFocus();
    e->CentradoHecho = Falso;
    QTest::keyClicks(caja, QStringLiteral("zzz"));
    QTest::keyClick(caja, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(e->CentradoHecho, Falso);
    caja->clear();
    QTest::keyClicks(caja, QStringLiteral("marte"));
    QTest::keyClick(caja, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(e->CentradoHecho, Verdadero);

    abreCategoria(2);
    caja->setFocus();
    QTest::keyClicks(caja, QStringLiteral("osa"));
    auto* constelaciones = lista("Lst_Const");
    const auto visibles = [constelaciones] {
        int n = 0;
        for (int i = 0; i < constelaciones->count(); ++i) n += !constelaciones->item(i)->isHidden();
        return n;
    };
    EXPECT_EQ(visibles(), 2);  // Osa Mayor, Osa Menor
    caja->clear();
    EXPECT_EQ(visibles(), constelaciones->count());
}

TEST_F(BuscarPrueba, EachChoiceShowsItsRiseAndSetAndWhatHasNoPlaceShowsNothing) {
    auto* ortos = control<QLabel>("Lab_Ortos");
    const auto lineas = [](int categoria, int fila) {
        QStringList l;
        for (const std::string& t : OrtosDeEntrada(categoria, fila)) l << QString::fromStdString(t);
        return l.join(u'\n');
    };
    EXPECT_TRUE(ortos->text().isEmpty()) << "nothing chosen";
    abreCategoria(0);
    ClicFila(lista("Lst_Plane"), CuerpoSol - 1);
    EXPECT_EQ(ortos->text(), lineas(0, CuerpoSol - 1));
    EXPECT_TRUE(ortos->text().startsWith(QStringLiteral("Orto ")) &&
                ortos->text().contains(QStringLiteral("\nCrepúsculo astronómico ")))
        << ortos->text().toStdString();
    ClicFila(lista("Lst_Plane"), CuerpoTierra - 1);
    EXPECT_TRUE(ortos->text().isEmpty()) << "the Earth has no rise";
    // Found by typing, the same lines as in its listing.
    d->reject();
    d->show();
    QTest::keyClicks(control<QLineEdit>("Tex_Buscar"), QStringLiteral("Sirio"));
    ClicFila(lista("Lst_Hallados"), 0);
    EXPECT_EQ(ortos->text(), lineas(3, 0));
    EXPECT_EQ(ortos->text().count(u'\n'), 2) << "rise, culmination, set";
    d->reject();
    EXPECT_TRUE(ortos->text().isEmpty()) << "closing leaves nothing chosen";
}

}  // namespace
}  // namespace vsp::ui
