#include "tests/support/http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace kestara::fixtures {
namespace {

constexpr int kSliceMs = 20;
constexpr auto kRequestBudget = std::chrono::seconds(5);
constexpr auto kSilenceBudget = std::chrono::seconds(120);

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::string StatusText(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

std::string Head(int status, std::string_view headers) {
  return "HTTP/1.1 " + std::to_string(status) + " " + StatusText(status) + "\r\n" +
         std::string(headers) + "Connection: close\r\n";
}

// Content-Length of a request head, 0 when it has none.
size_t DeclaredLength(std::string_view head) {
  std::string lower(head);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return static_cast<size_t>(std::strtoull(lower.c_str() + at + 17, nullptr, 10));
}

}  // namespace

Answer Answer::Page(std::string_view body, int status, std::string_view headers) {
  Answer a;
  a.steps.push_back({Head(status, headers) + "Content-Length: " + std::to_string(body.size()) +
                         "\r\n\r\n" + std::string(body),
                     0});
  return a;
}

Answer Answer::Chunked(const std::vector<std::string>& pieces) {
  Answer a;
  a.steps.push_back({Head(200, "Transfer-Encoding: chunked\r\n") + "\r\n", 0});
  char size[32];
  for (const std::string& piece : pieces) {
    std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
    a.steps.push_back({size + piece + "\r\n", 0});
  }
  a.steps.push_back({"0\r\n\r\n", 0});
  return a;
}

Answer Answer::Trickle(std::string_view body, size_t piece, int pauseMs) {
  Answer a;
  a.steps.push_back({Head(200, {}) + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n",
                     pauseMs});
  for (size_t at = 0; at < body.size(); at += piece)
    a.steps.push_back({std::string(body.substr(at, piece)), pauseMs});
  return a;
}

Answer Answer::CutOff(std::string_view body, size_t declared) {
  Answer a;
  a.steps.push_back({Head(200, {}) + "Content-Length: " + std::to_string(declared) + "\r\n\r\n" +
                         std::string(body),
                     0});
  return a;
}

Answer Answer::Silence() {
  Answer a;
  a.silent = true;
  return a;
}

Answer Answer::Raw(std::string bytes) {
  Answer a;
  a.steps.push_back({std::move(bytes), 0});
  return a;
}

HttpServer::HttpServer(Answer answer)
    : HttpServer(Script([answer](const std::string&) { return answer; })) {}

HttpServer::HttpServer(Script script) : script_(std::move(script)) {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) throw std::runtime_error("socket");
  int one = 1;
  setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  socklen_t len = sizeof addr;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      listen(listener_, 8) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    close(listener_);
    throw std::runtime_error("bind/listen on 127.0.0.1");
  }
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

HttpServer::~HttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  close(listener_);
}

std::string HttpServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> HttpServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

size_t HttpServer::RequestCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_.size();
}

bool HttpServer::WaitForRequests(size_t count, std::chrono::milliseconds budget) const {
  const auto deadline = std::chrono::steady_clock::now() + budget;
  while (RequestCount() < count) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

int HttpServer::UnusedPort() {
  Socket s(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (s.get() < 0 || bind(s.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      getsockname(s.get(), reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    throw std::runtime_error("no free port");
  }
  return ntohs(addr.sin_port);  // closed, and never listened on
}

void HttpServer::Serve() {
  while (!stop_) {
    pollfd p{listener_, POLLIN, 0};
    if (poll(&p, 1, kSliceMs) <= 0) continue;
    int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    Socket guard(client);
    Handle(client);
  }
}

void HttpServer::Handle(int client) {
  // Read the head, then as many body bytes as it announces.
  std::string request;
  size_t wanted = std::string::npos;
  const auto deadline = std::chrono::steady_clock::now() + kRequestBudget;
  while (!stop_ && std::chrono::steady_clock::now() < deadline) {
    if (wanted != std::string::npos && request.size() >= wanted) break;
    pollfd p{client, POLLIN, 0};
    if (poll(&p, 1, kSliceMs) <= 0) continue;
    char buffer[4096];
    ssize_t got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
    size_t headEnd = request.find("\r\n\r\n");
    if (wanted == std::string::npos && headEnd != std::string::npos)
      wanted = headEnd + 4 + DeclaredLength(std::string_view(request).substr(0, headEnd + 2));
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
  }
  Answer answer = script_(request);
  if (answer.silent) {
    // Hold the connection open without a word until stopped or the client leaves.
    const auto silenceEnd = std::chrono::steady_clock::now() + kSilenceBudget;
    while (!stop_ && std::chrono::steady_clock::now() < silenceEnd) {
      pollfd p{client, POLLIN, 0};
      if (poll(&p, 1, kSliceMs) > 0) {
        char buffer[512];
        if (recv(client, buffer, sizeof buffer, 0) <= 0) break;
      }
    }
    return;
  }
  for (const Answer::Step& step : answer.steps) {
    if (!SendAll(client, step.bytes)) return;
    if (step.pauseMs > 0 && !PauseUnlessStopped(step.pauseMs)) return;
  }
  shutdown(client, SHUT_WR);
}

bool HttpServer::SendAll(int client, std::string_view bytes) {
  while (!bytes.empty() && !stop_) {
    pollfd p{client, POLLOUT, 0};
    if (poll(&p, 1, kSliceMs) <= 0) continue;
    ssize_t sent = send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
  return bytes.empty();
}

bool HttpServer::PauseUnlessStopped(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    if (stop_) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 5)));
  }
  return true;
}

}  // namespace kestara::fixtures
