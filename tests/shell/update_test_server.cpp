#include "update_test_server.hpp"

#include <QHostAddress>
#include <QTimer>
#include <algorithm>
#include <memory>

UpdateTestServer::UpdateTestServer() {
  QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) onConnection(socket);
  });
  server_.listen(QHostAddress::LocalHost, 0);
}

UpdateTestServer::~UpdateTestServer() {
  for (const QPointer<QTcpSocket>& socket : sockets_) {
    if (socket) socket->abort();
  }
  server_.close();
}

QUrl UpdateTestServer::url(const QByteArray& path) const {
  return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) +
              QString::fromLatin1(path));
}

QByteArray UpdateTestServer::lastRequestPath() const {
  if (requests_.isEmpty()) return {};
  const QList<QByteArray> words = requests_.last().split('\r').first().split(' ');
  return words.size() >= 2 ? words.at(1) : QByteArray();
}

quint16 UpdateTestServer::closedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

void UpdateTestServer::onConnection(QTcpSocket* socket) {
  socket->setParent(&server_);
  sockets_.append(socket);
  auto buffer = std::make_shared<QByteArray>();
  QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
    buffer->append(socket->readAll());
    const qsizetype end = buffer->indexOf("\r\n\r\n");
    if (end < 0) return;
    const QByteArray head = buffer->left(end);
    buffer->remove(0, end + 4);
    requests_.append(head);
    answer(socket, head);
  });
}

void UpdateTestServer::answer(QTcpSocket* socket, const QByteArray& head) {
  const QList<QByteArray> words = head.split('\r').first().split(' ');
  const QByteArray path = words.size() >= 2 ? words.at(1) : QByteArray();
  UpdateTestResponse response;
  if (routes_.contains(path)) {
    response = routes_.value(path);
  } else {
    response.status = 404;
    response.reason = "Not Found";
    response.contentType = "text/plain";
    response.body = "missing";
  }
  if (response.mode == UpdateTestResponse::Mode::Silent) return;

  QByteArray out =
      "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
  out += "Content-Type: " + response.contentType + "\r\n";
  if (response.sendLength)
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
  out += "Connection: close\r\n\r\n";
  socket->write(out);

  const QPointer<QTcpSocket> guarded(socket);
  switch (response.mode) {
    case UpdateTestResponse::Mode::StallAfterPart:
      socket->write(response.body.left(response.body.size() / 2));
      return;
    case UpdateTestResponse::Mode::CloseAfterPart:
      socket->write(response.body.left(response.body.size() / 2));
      socket->disconnectFromHost();
      return;
    case UpdateTestResponse::Mode::Endless:
      sendForever(guarded, response.body, response.chunkDelayMs);
      return;
    default:
      break;
  }
  if (response.chunkSize > 0) {
    sendChunks(guarded, response.body, response.chunkSize, response.chunkDelayMs);
    return;
  }
  socket->write(response.body);
  socket->disconnectFromHost();
}

void UpdateTestServer::sendForever(QPointer<QTcpSocket> socket, QByteArray chunk, int delayMs) {
  if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
  socket->write(chunk);
  QTimer::singleShot(delayMs, socket,
                     [socket, chunk, delayMs] { sendForever(socket, chunk, delayMs); });
}

void UpdateTestServer::sendChunks(QPointer<QTcpSocket> socket, QByteArray rest, int chunkSize,
                                  int delayMs) {
  if (!socket) return;
  socket->write(rest.left(chunkSize));
  rest.remove(0, std::min<qsizetype>(chunkSize, rest.size()));
  if (rest.isEmpty()) {
    socket->disconnectFromHost();
    return;
  }
  QTimer::singleShot(delayMs, socket, [socket, rest, chunkSize, delayMs] {
    sendChunks(socket, rest, chunkSize, delayMs);
  });
}
