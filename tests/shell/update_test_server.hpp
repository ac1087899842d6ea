#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// What the loopback server answers for one path.
struct UpdateTestResponse {
  enum class Mode {
    Complete,        // status line, headers, whole body, close
    Silent,          // read the request, never answer
    StallAfterPart,  // headers with the full length, half the body, then nothing
    CloseAfterPart,  // headers with the full length, half the body, then close
    Endless,         // headers without a length, then `body` again and again
  };
  Mode mode = Mode::Complete;
  int status = 200;
  QByteArray reason = "OK";
  QByteArray contentType = "application/json";
  QByteArray body;
  bool sendLength = true;  // without it the body ends with the connection
  int chunkSize = 0;       // > 0: the body goes out in pieces of this size
  int chunkDelayMs = 5;
};

// A hand-written HTTP/1.1 server on 127.0.0.1 with a fixed answer per path.
class UpdateTestServer {
 public:
  UpdateTestServer();
  ~UpdateTestServer();

  bool listening() const { return server_.isListening(); }
  QUrl url(const QByteArray& path) const;
  void route(const QByteArray& path, const UpdateTestResponse& response) {
    routes_.insert(path, response);
  }

  // Requests received so far, whole head (request line and headers).
  const QList<QByteArray>& requests() const { return requests_; }
  QByteArray lastRequestPath() const;

  // A loopback port nothing listens on.
  static quint16 closedPort();

 private:
  void onConnection(QTcpSocket* socket);
  void answer(QTcpSocket* socket, const QByteArray& head);
  static void sendChunks(QPointer<QTcpSocket> socket, QByteArray rest, int chunkSize, int delayMs);
  static void sendForever(QPointer<QTcpSocket> socket, QByteArray chunk, int delayMs);

  QTcpServer server_;
  QHash<QByteArray, UpdateTestResponse> routes_;
  QList<QByteArray> requests_;
  QList<QPointer<QTcpSocket>> sockets_;
};
