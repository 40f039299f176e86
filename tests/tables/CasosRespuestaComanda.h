#pragma once
#include <QtTest>

/// The answers Guardar_Comanda can give and the message each shows, as QTest rows of
/// (int r, QString mensaje). The answers that store the comanda, 2 (no message) and 1
/// (stored without a product), are left out when asked: only refusals remain.
inline void CasosRespuestaComanda(bool conGuardada)
{
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("0") << 0 << "Error. No se pudo Guardar...";
    if (conGuardada) {
        QTest::newRow("1 stored without a product") << 1 << "No se pudo guardar un producto";
        QTest::newRow("2 saved") << 2 << "";
    }
    QTest::newRow("3") << 3 << "No tiene un Corte Abierto";
    QTest::newRow("4") << 4 << "Error. Cabecera de Comanda";
    QTest::newRow("5") << 5 << "Error. Uno de los productos No existe";
    QTest::newRow("6 from the service") << 6 << "No se pudo guardar la comanda (6)";
    QTest::newRow("7") << 7 << "El usuario no tiene acceso (7)";
    QTest::newRow("-1") << -1 << "El usuario no tiene acceso (-1)";
    QTest::newRow("large") << 123456 << "El usuario no tiene acceso (123456)";
}
