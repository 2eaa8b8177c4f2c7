#pragma once
// The tables of the application server's database. Texts are stored as UTF-8;
// dates as "YYYYMMDD" texts, moments as "YYYY-MM-DD hh:nn:ss.zzz".
//
//   SEEDINFO  NAME, VALUE                  seed marker ("seeded" = edition of the seed)
//   MESSAGES  MSGTYPE, MSGNO, MSGTEXT      message catalogue (type letter, six digits)
//   ADMMB     MB001 program, MB002 name, MB003 kind, MB004 system, MB005 no direct
//             query Y/N, MB006 want-log Y/N, MB007 server ProgID, MB008 version,
//             MB009 English name
//   SYSSET    COMPANY ('' = every company), NAME, VALUE   system settings
//   NVRINTMA  MA001 name, MA002 description, MA003 value  integration settings
//   TAXMA     MA001 company, MA002 name, MA003 short name, MA004 English name
//   CMSME     ME001 department, ME002 name, ME003 company
//   NVRMA     MA001 user, MA002 name, MA003 mobile, MA004 mail, MA005 department,
//             MA006 rights text (8 letters Y/N)
//   CMSMS     MS001 kind ('1' footer, '2' sign-off), MS002 code, MS003..MS005 three
//             texts, MS006 lookup allowed Y/N, MS007 print on every page Y/N
//   CMSMT     MT001 program, MT002 footer code, MT003 sign-off code
//   CMSMA     MA001 site kind ('02' web report), MA002 address, MA003 description
//   EMPLOYEE  EMP_ID, EMP_NAME, COMPANY, DEPT, BIRTHDAY, GENDER (M/F), HIRE_DATE,
//             LEAVE_DATE ('' while employed)             read by the report library
//   SCHEMES   NCONDITION, CREATOR, PROGRAMME, CREATE_DATE, SCONDITION, VCONDITION
//   JOBS      JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS
//             (QUEUED/DONE/FAILED), LAST_ERROR, STATUS_TIME, CONDITIONS (lossless
//             JSON of the whole condition array), SERVER_PROCESS (the process
//             that accepted it, ProcessIdentity.h), and the plan of a job the
//             server runs (NULL plan for one a client logged): PLAN_MODE (0
//             queued, 1 immediate, 2 at a moment, 3 periodic), PLAN_STATE
//             (ACTIVE/FINISHED/CANCELLED), NEXT_RUN (NULL when none is to
//             come), RUNS (runs so far)
//   COUNTERS  NAME, KEYTEXT, COMPANY, VALUE   sequence counters of GetCounter
//   HELPLOG   ID, SYSTEM, TOPIC, CALLED_AT   topics asked for through CallHelp
//   REPORTS   REPORT_ID (file base name), JOB_ID ('' for an unlogged direct run),
//             PROGRAMME, CREATOR, COMPANY, CSV_FILE, TEXT_FILE, CREATED, HTML_FILE
//             ('' when none), SERVER_PROCESS (the process that wrote them)
//             report files written by the programs' server libraries
//   PHRASES   USER_ID, PHRASE                 the phrase GetPhrase answers a user

namespace appserver {

class SqliteDb;

// Creates what is missing, columns added since earlier builds included.
void CreateSchema(SqliteDb& db);
// Jobs but no plans, neither on the jobs nor in a table of their own: a
// database a build without the job runner left.
bool HoldsJobsFromBeforeTheRunner(SqliteDb& db);

}  // namespace appserver
