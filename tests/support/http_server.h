// A scripted HTTP server on 127.0.0.1 for tests: it listens on an ephemeral
// port, serves one connection at a time in its own thread, records the raw
// bytes of every request and answers each with what the script says. Every
// wait is bounded; the destructor stops and joins the thread.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace kestara::fixtures {

// What the server does once it has read a request.
struct Answer {
  struct Step {
    std::string bytes;
    int pauseMs = 0;  // after sending the bytes
  };
  std::vector<Step> steps;  // sent in order, then the connection is closed
  bool silent = false;      // send nothing; hold the connection until stopped

  // A complete response with Content-Length.
  static Answer Page(std::string_view body, int status = 200, std::string_view headers = {});
  // The body in chunked transfer coding, one chunk per piece.
  static Answer Chunked(const std::vector<std::string>& pieces);
  // A complete response whose body goes out `piece` bytes at a time.
  static Answer Trickle(std::string_view body, size_t piece, int pauseMs);
  // Announces `declared` bytes but sends only `body` and closes.
  static Answer CutOff(std::string_view body, size_t declared);
  static Answer Silence();
  // Bytes exactly as given.
  static Answer Raw(std::string bytes);
};

class HttpServer {
 public:
  using Script = std::function<Answer(const std::string& request)>;

  explicit HttpServer(Script script);
  explicit HttpServer(Answer answer);  // the same answer to every request
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by the path.
  std::string Url(std::string_view path = "/") const;

  // Raw bytes of each request received so far, in order.
  std::vector<std::string> Requests() const;
  size_t RequestCount() const;
  bool WaitForRequests(size_t count, std::chrono::milliseconds budget) const;

  // A port on 127.0.0.1 where nobody listens (it was free a moment ago).
  static int UnusedPort();

 private:
  void Serve();
  void Handle(int client);
  bool SendAll(int client, std::string_view bytes);
  bool PauseUnlessStopped(int ms);

  Script script_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace kestara::fixtures
