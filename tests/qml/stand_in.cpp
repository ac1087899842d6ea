#include "stand_in.hpp"

#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QMetaType>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>
#include <QtDebug>

namespace pellaris_qml_test {
namespace {

// The QML type a value of `type` is declared with. QML has no 64-bit or
// unsigned integers, so those become real (exact up to 2^53, enough for
// byte counts).
QString qmlTypeName(QMetaType type) {
  switch (type.id()) {
    case QMetaType::Bool:
      return QStringLiteral("bool");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
      return QStringLiteral("int");
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
      return QStringLiteral("real");
    case QMetaType::QString:
      return QStringLiteral("string");
    case QMetaType::QUrl:
      return QStringLiteral("url");
    case QMetaType::QDateTime:
    case QMetaType::QDate:
      return QStringLiteral("date");
    default:
      return QStringLiteral("var");
  }
}

// The meta-type a QML declaration of `qmlType` carries.
QMetaType declaredMetaType(const QString& qmlType) {
  static const QHash<QString, int> ids{
      {QStringLiteral("bool"), QMetaType::Bool},    {QStringLiteral("int"), QMetaType::Int},
      {QStringLiteral("real"), QMetaType::Double},  {QStringLiteral("string"), QMetaType::QString},
      {QStringLiteral("url"), QMetaType::QUrl},     {QStringLiteral("date"), QMetaType::QDateTime},
      {QStringLiteral("var"), QMetaType::QVariant},
  };
  return QMetaType(ids.value(qmlType, QMetaType::QVariant));
}

// The stand-in's own declaration of a real type, or the real type itself
// where the stand-in keeps the real member.
bool typesAgree(QMetaType real, QMetaType standIn) {
  return real == standIn || declaredMetaType(qmlTypeName(real)) == standIn;
}

// What a method without a scripted answer returns.
QString emptyAnswer(QMetaType type) {
  switch (type.id()) {
    case QMetaType::Void:
    case QMetaType::UnknownType:
      return QStringLiteral("undefined");
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
      return QStringLiteral("({})");
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
      return QStringLiteral("[]");
    case QMetaType::QString:
    case QMetaType::QUrl:
      return QStringLiteral("\"\"");
    case QMetaType::Bool:
      return QStringLiteral("false");
    default:
      return qmlTypeName(type) == QLatin1String("var") ? QStringLiteral("undefined")
                                                       : QStringLiteral("0");
  }
}

bool isCallable(const QMetaMethod& m) {
  return m.access() == QMetaMethod::Public &&
         (m.methodType() == QMetaMethod::Method || m.methodType() == QMetaMethod::Slot);
}

// Public interface of a class below QObject: property name -> property,
// signal name -> signal, callable name -> largest argument count (methods
// with default arguments appear once per count).
struct Interface {
  QHash<QString, QMetaProperty> properties;
  QHash<QString, QMetaMethod> signalList;
  QHash<QString, int> callables;
};

Interface interfaceOf(const QMetaObject& mo) {
  Interface out;
  for (int i = QObject::staticMetaObject.propertyCount(); i < mo.propertyCount(); ++i) {
    const QMetaProperty p = mo.property(i);
    out.properties.insert(QString::fromLatin1(p.name()), p);
  }
  for (int i = QObject::staticMetaObject.methodCount(); i < mo.methodCount(); ++i) {
    const QMetaMethod m = mo.method(i);
    const QString name = QString::fromLatin1(m.name());
    if (m.methodType() == QMetaMethod::Signal) {
      out.signalList.insert(name, m);
    } else if (isCallable(m)) {
      out.callables[name] = std::max(out.callables.value(name, 0), m.parameterCount());
    }
  }
  return out;
}

}  // namespace

QString standInSource(const QMetaObject& real, const StandInBase& base) {
  const Interface api = interfaceOf(real);
  QString src = QStringLiteral("import QtQml\nimport %1\n%2 {\n").arg(base.module, base.type);
  src += QStringLiteral(
      "    property var _answers: ({})\n"
      // The call log is one array that grows in place: a binding that calls
      // a method then reads the log without writing it, so it never loops.
      "    readonly property var _calls: []\n"
      "    function _answer(name, answer) { var a = Object.assign({}, _answers); a[name] = answer; "
      "_answers = a }\n"
      "    function _callsTo(name) { return _calls.filter(c => c.name === name).map(c => c.args) "
      "}\n"
      "    function _reset() { _answers = {}; _calls.length = 0 }\n"
      "    function _call(name, args, fallback) {\n"
      "        _calls.push({ name: name, args: args })\n"
      "        if (!(name in _answers)) return fallback\n"
      "        var a = _answers[name]\n"
      "        return typeof a === \"function\" ? a.apply(null, args) : a\n"
      "    }\n");

  // The signals are the real class's own; a property declared here comes
  // with a change signal of its own.
  for (auto it = api.properties.cbegin(); it != api.properties.cend(); ++it)
    src += QStringLiteral("    property %1 %2\n").arg(qmlTypeName(it->metaType()), it.key());
  for (int i = QObject::staticMetaObject.methodCount(); i < real.methodCount(); ++i) {
    const QMetaMethod m = real.method(i);
    const QString name = QString::fromLatin1(m.name());
    if (!isCallable(m) || m.parameterCount() != api.callables.value(name)) continue;
    if (src.contains(QStringLiteral("function %1(").arg(name))) continue;
    QStringList args;
    for (int a = 0; a < m.parameterCount(); ++a) args << QStringLiteral("a%1").arg(a);
    const QString list = args.join(QStringLiteral(", "));
    src += QStringLiteral("    function %1(%2) { return _call(\"%1\", [%2], %3) }\n")
               .arg(name, list, emptyAnswer(m.returnMetaType()));
  }
  src += QStringLiteral("}\n");
  return src;
}

QObject* createStandIn(QQmlEngine& engine, const QMetaObject& real, const QObject* values,
                       QObject* parent, const StandInBase& base) {
  QQmlComponent component(&engine);
  component.setData(
      standInSource(real, base).toUtf8(),
      QUrl(
          QStringLiteral("qrc:/pellaris-test/%1StandIn.qml").arg(QLatin1String(real.className()))));
  QObject* object = component.create();
  if (!object) {
    qWarning().noquote() << "stand-in for" << real.className()
                         << "failed:" << component.errorString();
    return nullptr;
  }
  if (values) {
    for (int i = QObject::staticMetaObject.propertyCount(); i < real.propertyCount(); ++i) {
      const char* name = real.property(i).name();
      object->setProperty(name, values->property(name));
    }
  }
  if (parent) {
    object->setParent(parent);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
  } else {
    QQmlEngine::setObjectOwnership(object, QQmlEngine::JavaScriptOwnership);
  }
  return object;
}

QStringList interfaceMismatches(const QMetaObject& real, const QMetaObject& standIn) {
  const Interface want = interfaceOf(real);
  const Interface have = interfaceOf(standIn);
  QStringList out;

  for (auto it = want.properties.cbegin(); it != want.properties.cend(); ++it) {
    const QString& name = it.key();
    if (!have.properties.contains(name)) {
      out << QStringLiteral("property %1 missing").arg(name);
      continue;
    }
    const QMetaProperty mine = have.properties.value(name);
    if (!typesAgree(it->metaType(), mine.metaType()))
      out << QStringLiteral("property %1: type %2, stand-in %3")
                 .arg(name, QLatin1String(it->typeName()), QLatin1String(mine.typeName()));
    if (it->hasNotifySignal() &&
        !have.signalList.contains(QString::fromLatin1(it->notifySignal().name())))
      out << QStringLiteral("property %1: notify signal %2 missing")
                 .arg(name, QLatin1String(it->notifySignal().name()));
  }
  for (auto it = want.signalList.cbegin(); it != want.signalList.cend(); ++it) {
    const QMetaMethod mine = have.signalList.value(it.key());
    if (!mine.isValid()) {
      out << QStringLiteral("signal %1 missing").arg(it.key());
      continue;
    }
    bool same = mine.parameterCount() == it->parameterCount();
    for (int a = 0; same && a < it->parameterCount(); ++a)
      same = typesAgree(it->parameterMetaType(a), mine.parameterMetaType(a));
    if (!same)
      out << QStringLiteral("signal %1: arguments %2, stand-in %3")
                 .arg(it.key(), QLatin1String(it->methodSignature()),
                      QLatin1String(mine.methodSignature()));
  }
  for (auto it = want.callables.cbegin(); it != want.callables.cend(); ++it) {
    if (!have.callables.contains(it.key()))
      out << QStringLiteral("method %1 missing").arg(it.key());
    else if (have.callables.value(it.key()) != it.value())
      out << QStringLiteral("method %1: %2 arguments, stand-in %3")
                 .arg(it.key())
                 .arg(it.value())
                 .arg(have.callables.value(it.key()));
  }

  // Nothing beyond the real interface, except the stand-in's own members
  // and the change signals that come with its property declarations.
  const auto own = [](const QString& name) { return name.startsWith(QLatin1Char('_')); };
  for (auto it = have.properties.cbegin(); it != have.properties.cend(); ++it)
    if (!own(it.key()) && !want.properties.contains(it.key()))
      out << QStringLiteral("property %1 not in the real class").arg(it.key());
  for (auto it = have.signalList.cbegin(); it != have.signalList.cend(); ++it) {
    const QString& name = it.key();
    const bool propertyChange =
        name.endsWith(QLatin1String("Changed")) && have.properties.contains(name.chopped(7));
    if (!own(name) && !propertyChange && !want.signalList.contains(name))
      out << QStringLiteral("signal %1 not in the real class").arg(name);
  }
  for (auto it = have.callables.cbegin(); it != have.callables.cend(); ++it)
    if (!own(it.key()) && !want.callables.contains(it.key()))
      out << QStringLiteral("method %1 not in the real class").arg(it.key());
  out.sort();
  return out;
}

}  // namespace pellaris_qml_test
