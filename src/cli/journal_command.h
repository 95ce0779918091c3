#pragma once

class Console;
struct Request;

// eeprom-cli journal show|export: the journal's records on stdout.
namespace JournalCommand {
int run(Console &console, const Request &request);
}
