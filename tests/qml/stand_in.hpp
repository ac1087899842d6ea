#pragma once
// Scripted stand-ins for the root-context objects. A stand-in is a QML
// object of the real class whose source is written from its meta-object, so
// every property and invokable of the real object is declared on it again
// under the same name and with the same arguments. Tests set its properties, emit its
// signals and script what its methods answer:
//
//   stub._answer("loadProject", {ok: true, project: {}, hasResults: false})
//   stub._answer("nodeEv", function (node, seat) { return node * 2 })
//   stub._callsTo("startSolveWithConfig")   // argument lists, oldest first
//
// A method without a scripted answer returns the empty value of its real
// return type ({} , [], 0, false, ""). Members of the stand-in's own begin
// with an underscore.

#include <QMetaObject>
#include <QString>
#include <QStringList>

class QObject;
class QQmlEngine;

namespace pellaris_qml_test {

// What a stand-in is made over: a creatable QML type of the real class
// (`type` from `module`), so that a property that documents declare with the
// real type takes the stand-in. Its properties and methods override the real
// ones of the same name; its signals are the real class's own.
struct StandInBase {
  QString type;
  QString module;
};

// QML source of a stand-in for objects of the class `real`.
QString standInSource(const QMetaObject& real, const StandInBase& base);

// Creates a stand-in on `engine`, with every property copied from `values`
// when given (an instance of the real class). Null on failure, after a
// warning with the QML errors.
QObject* createStandIn(QQmlEngine& engine, const QMetaObject& real, const QObject* values,
                       QObject* parent, const StandInBase& base);

// Every difference between the public interface of `real` and the stand-in's
// (properties with their types and notify signals, signals with their
// argument types, invokables with their argument counts), one text each;
// empty when they agree.
QStringList interfaceMismatches(const QMetaObject& real, const QMetaObject& standIn);

}  // namespace pellaris_qml_test
