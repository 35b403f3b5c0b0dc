#include <cstdlib>
#include <ostream>

#include "base/files.h"
#include "base/system.h"
#include "base/tool_error.h"
#include "commands/invocation.h"

namespace ostrel {

namespace fs = std::filesystem;

namespace {

constexpr char kCaptureScript[] = "ostrel-capture-mail.sh";
constexpr int kDefaultPort = 8080;

int ChoosePort(const Invocation& in) {
  const std::string text = in.Option("port", std::to_string(kDefaultPort));
  int port = 0;
  try {
    port = std::stoi(text);
  } catch (const std::exception&) {
    port = -1;
  }
  if (port < 0 || port > 65535) throw BadInput("--port: expected 0 to 65535, got " + text);
  if (port == 0) port = system::FindFreePort();
  if (port == 0) throw Failure("no free port found on 127.0.0.1");
  return port;
}

// Mail goes beside the site, not into it, so that visitors cannot read it.
fs::path MailFolder(const Invocation& in, const fs::path& site) {
  if (in.Has("mail")) return fs::absolute(PathFromUtf8(in.Option("mail", "")));
  fs::path folder = fs::absolute(site).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  fs::path name = folder.filename();
  name += "-mail";
  return folder.parent_path() / name;
}

// For the shell that PHP runs sendmail_path with.
std::string ShellQuoted(const fs::path& path) {
  std::string quoted = "'";
  for (char c : PathToUtf8(path)) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace

// Serves a published site with PHP's built-in web server on 127.0.0.1; the
// mail that the checkout script sends is stored as files instead.
int RunServe(Invocation& in) {
  if (!system::CanServe()) {
    throw Failure("serve is not supported here; serve the published folder "
                  "with php -S on Linux");
  }
  const fs::path site = fs::absolute(in.PathOperand(0));
  if (!fs::is_directory(site)) throw BadInput(in.Operand(0) + ": no such folder");
  const fs::path capture = system::ExecutableFolder() / kCaptureScript;
  if (!fs::is_regular_file(capture)) throw Failure(PathToUtf8(capture) + " is missing");
  const int port = ChoosePort(in);
  const fs::path mail = MailFolder(in, site);
  fs::create_directories(mail);

  const std::string address = "127.0.0.1:" + std::to_string(port);
  in.out << "Serving " << PathToUtf8(site) << " at http://" << address << "/\n"
         << "Mail sent by the site is stored in " << PathToUtf8(mail)
         << " (one .eml file per message)\n"
         << "Press Ctrl-C to stop.\n"
         << std::flush;
  const char* php = std::getenv("OSTREL_PHP");
  std::string error;
  system::ReplaceProcess(php != nullptr ? php : "php",
                         {"-S", address, "-t", PathToUtf8(site), "-d",
                          "sendmail_path=" + ShellQuoted(capture) + " " + ShellQuoted(mail)},
                         error);
  throw Failure("cannot start PHP's web server: " + error);
}

}  // namespace ostrel
