<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EngineWords</name>
    <message>
        <source>refused the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered 429 (too many requests)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered 503 (unavailable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked to wait before the next question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed without answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered with an HTTP error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered without saying free or taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not asked: it stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 time-outs in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names in a row closed without answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rests %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not answer (%2): its names are left unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is asked again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 connection open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connections open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 available, %3 registered, %4 unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1; the list could not be read to its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MasterFileReader</name>
    <message>
        <source>. (the root)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than 1 MiB: this is not zone text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside the record that begins on line %1: a parenthesis is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a zone file: it holds no SOA record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record that begins on line %1 is longer than 1 MiB: this is not zone text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: $INCLUDE is not supported; import the zone as one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a zone file: its first record (line %1) is not the zone&apos;s SOA record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the SOA record on line %1 names the zone relative to an origin the file does not give: say which TLD the zone is of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is the zone of %1, not of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is the root zone: it delegates TLDs, not names to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zone&apos;s name %1 is not a domain name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneIndex</name>
    <message>
        <source>it is too short to be a zone index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a zone index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by another version of the program: import the zone again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the zone of .%1, not of .%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneIndexWriter</name>
    <message>
        <source>the zone has more names than an index can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the index could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the index could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the index could not be put in place: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneInput</name>
    <message>
        <source>zlib could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the gzip file is cut short: it ends before its compressed data does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the gzip data is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZoneScreen</name>
    <message>
        <source>The zone index %1 cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>The DNS resolver claims names that cannot exist; every name goes to the registry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchecked names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported 1 result to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 results to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries that name no domain that can be registered: click for the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which servers failed in this run, and how</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::MainWindowHistory</name>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not ask again about names checked in the last N days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off (ask about every name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History: 1 earlier result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History: %1 earlier results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A search is running. Press Stop, then check the names again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The names could not be written to %1, so they cannot be checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check history could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::MainWindowLoad</name>
    <message>
        <source>Since this is your first time using this program you should visit the Setup area to enable any Top Level Domains (TLDs) that you want to work with.<byte value="xd"/>
<byte value="xd"/>
By default, .COM, .NET and the popular TLDs %1 are enabled, but you can configure this program to work with any TLD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your TLD table has no rows for these popular TLDs: %1.<byte value="xd"/>
<byte value="xd"/>
Add them as enabled rows at the end of the table? The rows you have stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The TLD table %1 could not be written; it was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::RunPanels</name>
    <message>
        <source>No server for %1: left unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 until %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answering: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 server with problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 servers with problems</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>browse::BrowseWindow</name>
    <message>
        <source>Checking status of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked %1 unique domains.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished domains on current page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregistered: (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregistered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered: (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>engine::ServerProblemsWindow</name>
    <message>
        <source>Servers with problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These servers did not answer every question of this run. Names left without a verdict wait under Unchecked; Tools &gt; Check unchecked names asks them again. A server that keeps refusing needs a longer throttle in Setup, or a break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers with problems in this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not asked any more in this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::DeskController</name>
    <message>
        <source>The names stay in the history (Tools &gt; History..., Ctrl+H).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check history cannot be written: once the next find rewrites the list&apos;s file, the names are kept nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear 1 name from %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1 names from %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read at start, so it is not replaced: the saved list is not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Domains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved list could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::DomainListModel</name>
    <message>
        <source>From the entry &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::HistoryModel</name>
    <message>
        <source>Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Came from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>browse window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quarrytide-check</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::HistoryScreen</name>
    <message>
        <source>from history, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked domains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any TLD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last checked from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check names last checked &amp;before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 domains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No domain shown was last checked before %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History window, last checked before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::ResultClasses</name>
    <message>
        <source>last %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::ResultsDesk</name>
    <message>
        <source>Result lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::SkippedEntries</name>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why it was skipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::SkippedWindow</name>
    <message>
        <source>Skipped entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These entries name no domain that can be registered. None of them was checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>results::history</name>
    <message>
        <source>%1 earlier checks could not be kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sources::SourceSelection</name>
    <message>
        <source>Press Return or Start to open the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Return or Start to open the generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Return or Start to choose the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tld::NameProblem</name>
    <message>
        <source>no name in the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character a domain name cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label longer than 63 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name longer than 253 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label that starts or ends with a hyphen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;--&quot; in the third and fourth place of a label that is not xn--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xn-- label that is not valid punycode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>international name without a valid ASCII form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an address, not a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a public suffix, not a registrable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no top-level domain</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tld::TldManager</name>
    <message>
        <source>The TLD table could not be copied to %1, so it was not replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace all %1 rows of the TLD table with the %2 built-in rows? The table as it is now is kept in TLDs.bak.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tld::TldManagerWindow</name>
    <message>
        <source>TLD Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row editor and settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extension or server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the rows whose extension or server holds this text; the rows found by their extension come first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whois.nic.example, or https://rdap.example/ for RDAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A WHOIS server, or the base address of an RDAP service (https://..., asked at that address + domain/NAME; the port is not used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: an RDAP server is asked at its https:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: select the row to test in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: this row cannot be read (%1). Repair it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: %1 is no domain that can be registered (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tld::TldTableModel</name>
    <message>
        <source>This row cannot be read and is not used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tld::WhoisWindow</name>
    <message>
        <source>%1 is no domain that can be registered (%2), so nothing was asked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zones::CzdsClient</name>
    <message>
        <source>the sign-in has run out or was refused (HTTP 401)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account may not download this (HTTP 403)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file at the service (HTTP 404)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many requests: the service asks to wait before the next (HTTP 429)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service has a problem of its own (HTTP %1): try later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service answered HTTP %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is never sent to %1: it is not an https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign-in is never sent to %1: it is not an https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone data service could not be reached: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone data service refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in failed: the service&apos;s answer holds no token.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of zones could not be had: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of zones could not be read: the service&apos;s answer is not a list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zones::CzdsDownload</name>
    <message>
        <source>the download could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service sent the download to %1, which is not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download broke off at %1 of %2 MB (%3); download again to go on from there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download could not be put in place as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zones::CzdsPanel</name>
    <message>
        <source>Download from the zone data service (CZDS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the password in the system keychain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download and import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keychain could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the user name and password of your account at the zone data service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be kept in the keychain (%1): it is asked for next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded less than a day ago: the next download is possible from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account may download no zones yet. Request access to each TLD you want at the zone data service&apos;s web site; each registry approves or declines its own requests, and approved zones appear here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in. Tick the zones to download and import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zones::ZoneFetch</name>
    <message>
        <source>it was downloaded less than a day ago, and the service allows one download a day; the next is possible from %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zones::ZoneFilesWindow</name>
    <message>
        <source>Import from file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOA serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name in its TLD&apos;s zone file is registered; a name outside it is a candidate for the registry to confirm. Import a zone file, or download zones with your zone data service account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Older than %n day(s): screening uses it with a warning.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Zone files (*.zone *.txt *.gz *.zone.gz *.txt.gz);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1: %2 names so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import cancelled; the zones are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be imported: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported the zone of .%1: %2 names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the zone index of .%1? Names of .%1 are then asked of the registry again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing the zone of .%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the zone of .%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done; some zones were not fetched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These zones were not fetched:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled; a partly downloaded zone goes on from where it stopped next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> - about %n second(s) left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> - about %n minute(s) left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zones::ZoneImport</name>
    <message>
        <source>the zone file could not be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zone of .%1 delegates no names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
