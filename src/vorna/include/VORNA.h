/*
 * libvorna: talks to the RTU controllers over their framed TCP protocol.
 *
 * Every function returns a 32-bit result: VORNA_RESULT_OK (0) or a failure code below; some
 * commands return the controller's own 16-bit status word instead. Texts are UTF-8. Connections
 * are named by handles from VORNA_FIRST_HANDLE to VORNA_LAST_HANDLE. The library has no threads
 * and no locks: use it from one thread at a time.
 */
#ifndef VORNA_H
#define VORNA_H

#include <stdint.h>

#define VORNA_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* Results. */
#define VORNA_RESULT_OK 0
#define VORNA_RESULT_TIMEOUT 2001               /* connect or request not done within the time-out */
#define VORNA_RESULT_SOCKET_STARTUP 2002        /* socket library not started */
#define VORNA_RESULT_SOCKET_CREATE 2003         /* socket creation, bind, or no free handle */
#define VORNA_RESULT_BAD_REPLY 2004             /* malformed or refused reply */
#define VORNA_RESULT_CONNECTION 2005            /* send or receive failed, connection closed */
#define VORNA_RESULT_BAD_HANDLE 4002            /* handle not in the connection table */
#define VORNA_RESULT_LIST_TOO_SHORT 4007        /* list reply too short for its count */
#define VORNA_RESULT_LIST_COUNT 4013            /* list count above its limit */
#define VORNA_RESULT_INTERFACE_TABLE 0x8050     /* the PC's interface tables cannot be read */
#define VORNA_RESULT_INTERFACE_NOT_FOUND 0x8051 /* no interface with the index to select */
#define VORNA_RESULT_LOCAL_FILE 0x8060          /* a transfer's local file cannot be opened, read or written */
#define VORNA_RESULT_INVALID_ARGUMENT 0x8061    /* null pointer, bad address text, request too large for its frame */
#define VORNA_RESULT_OUT_OF_MEMORY 0x8062
#define VORNA_RESULT_INTERNAL_ERROR 0x8063  /* an unexpected failure inside the library */
#define VORNA_RESULT_CANCELLED 0x8064       /* the progress callback or VORNA_CancelRequest stopped a call */
#define VORNA_RESULT_SHORT_DOWNLOAD 0x8065  /* a download ended before the announced size had arrived */
#define VORNA_RESULT_DIRECT_REFUSED 0x8100  /* direct command: reply shorter than 2 bytes or status 00 81 */
#define VORNA_RESULT_DIRECT_REJECTED 0x8101 /* direct command: status 01 81 */

/* Limits and fixed values of the protocol. */
#define VORNA_DEFAULT_PORT 10124
#define VORNA_FIRST_HANDLE 10001
#define VORNA_LAST_HANDLE 19999
#define VORNA_FRAME_BUFFER_SIZE 4400 /* a whole frame, request or reply */
#define VORNA_MAX_PAYLOAD 4386       /* VORNA_FRAME_BUFFER_SIZE less header and CRC */
#define VORNA_CHUNK_SIZE 4096        /* file transfer chunk */
#define VORNA_LIST_LIMIT 50          /* entries of the IEC, error and log lists */
#define VORNA_LOG_INDEX_LIMIT 10     /* entries of the log retrieve index */
#define VORNA_PUSHED_PAYLOAD_SIZE 32 /* caller's area of VORNA_GetFwUpgradePpercentage */
#define VORNA_MAX_DOWNLOAD_SIZE (256u * 1024u * 1024u)

/* Transfer progress: status byte values and the answers to VORNA_TRANSFER_COMPLETE. */
#define VORNA_TRANSFER_LAST 0      /* the end of the data has been reached */
#define VORNA_TRANSFER_MORE 1      /* more data follows */
#define VORNA_TRANSFER_COMPLETE 2  /* the file on the other side is already complete */
#define VORNA_TRANSFER_AGAIN 0xF1  /* answer: transfer the file again from the start */
#define VORNA_TRANSFER_KEEP 0xF2   /* answer: keep the file */
#define VORNA_TRANSFER_CANCEL 0xF3 /* answer to any report: stop the transfer (VORNA_RESULT_CANCELLED) */

/* The user name and password scrambling mode of the account commands. */
#define VORNA_LOGIN_MODE_SCRAMBLED 2

#pragma pack(push, 1)

typedef struct TransferStatus {
    uint8_t status;  /* VORNA_TRANSFER_* */
    uint8_t percent; /* 0 to 100 */
} TransferStatus;

/* Called between transfer passes with the status record and its length (2). On
 * VORNA_TRANSFER_COMPLETE it may write VORNA_TRANSFER_AGAIN into the status byte. */
typedef void (*TransferProgressCallback)(TransferStatus* status, int length);

typedef struct VornaSystemTime {
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek; /* not sent */
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
} VornaSystemTime;

typedef struct IECResourceInfo {
    uint16_t status;
    uint16_t count;
    uint8_t entries[VORNA_LIST_LIMIT][8]; /* as the controller sent them */
} IECResourceInfo;

typedef struct IECResourceNameEntry {
    uint8_t text[264];
    uint8_t flag;
} IECResourceNameEntry;

typedef struct IECResourceNameList {
    uint16_t status;
    uint16_t count;
    IECResourceNameEntry entries[VORNA_LIST_LIMIT];
} IECResourceNameList;

typedef struct ConfigErrorList {
    uint16_t count;
    uint8_t entries[VORNA_LIST_LIMIT][6]; /* as the controller sent them */
} ConfigErrorList;

typedef struct SystemLogSettings {
    uint16_t status;
    uint16_t value;
    uint16_t count;
    uint8_t entries[VORNA_LIST_LIMIT][14];
} SystemLogSettings;

typedef struct SystemLogEnableBlock {
    uint16_t count; /* the first count entries are sent */
    uint8_t entries[VORNA_LIST_LIMIT][15];
} SystemLogEnableBlock;

typedef struct SystemLogSetResult {
    uint16_t status;
    uint16_t value;
    uint16_t count;
    uint8_t entries[VORNA_LIST_LIMIT][4];
} SystemLogSetResult;

typedef struct LogRetrieveIndexRequest {
    uint16_t count; /* the first count entries are sent */
    uint8_t entries[VORNA_LOG_INDEX_LIMIT][8];
    uint8_t unused[2];
} LogRetrieveIndexRequest;

typedef struct LogRetrieveIndexResult {
    uint16_t status;
    uint16_t count;
    uint8_t entries[VORNA_LOG_INDEX_LIMIT][4];
} LogRetrieveIndexResult;

typedef struct ConfigReleaseDate {
    uint8_t bytes[50];
} ConfigReleaseDate;

typedef struct FileAttribute {
    uint16_t value;
    uint8_t flags;
} FileAttribute;

/* One PC interface address. */
typedef struct InterfaceRecord {
    uint32_t index;
    char address[16]; /* dotted IPv4 text, NUL-terminated */
    uint8_t mac[6];
    uint8_t description[256]; /* the last byte is always 0 */
    uint32_t type;            /* 6 Ethernet, 71 IEEE 802.11, ... */
    uint16_t addressFlags;
} InterfaceRecord;

/* Context of the four-call MD5 form. */
typedef struct Md5Context {
    uint32_t bitCount[2]; /* message length in bits, low word first */
    uint32_t state[4];
    uint8_t block[64];
    uint8_t digest[16];
} Md5Context;

#pragma pack(pop)

/* A setting of 30601/30602: id, data length and the data. */
typedef struct SettingItem {
    uint8_t id;
    uint8_t length;
    const uint8_t* data;
} SettingItem;

/* Lifecycle and connections. */
VORNA_API int32_t VORNA_Init(void);
VORNA_API int32_t VORNA_Exit(void);
VORNA_API int32_t VORNA_Connect(const char* ip, int32_t port, uint32_t timeoutMs, int32_t* handle);
/* mac: "AA-BB-CC-DD-EE-FF" (17 characters) routes every command through the gateway to that
 * controller; null or any other text connects directly. */
VORNA_API int32_t VORNA_ConnectEx(const char* ip, int32_t port, uint32_t timeoutMs, int32_t* handle, const char* mac);
VORNA_API int32_t VORNA_Disconnect(int32_t handle);
/* From any thread: the call now waiting on the connection, and every later one, ends with
 * VORNA_RESULT_CANCELLED at once. The connection stays in the table until VORNA_Disconnect. */
VORNA_API int32_t VORNA_CancelRequest(int32_t handle);
VORNA_API int32_t VORNA_SetByGatewayEnable(int32_t handle, int32_t enable);
VORNA_API int32_t VORNA_SetByGatewayMacAddress(int32_t handle, const uint8_t* mac6);

/* Device commands. */
VORNA_API int32_t VORNA_Restart(int32_t handle);
VORNA_API int32_t VORNA_Reset(int32_t handle);
VORNA_API int32_t VORNA_WarmReset(int32_t handle);
VORNA_API int32_t VORNA_RegisterToBootLoader(int32_t handle);
VORNA_API int32_t VORNA_IECReset(int32_t handle);
VORNA_API int32_t VORNA_TimeSync(int32_t handle, VornaSystemTime time);
VORNA_API int32_t VORNA_CheckDeviceStatus(int32_t handle, uint8_t request, uint8_t* result);
VORNA_API int32_t VORNA_Calibration(int32_t handle, uint8_t module, uint8_t channel);
VORNA_API int32_t VORNA_LocateDevice(int32_t handle, uint8_t value);
VORNA_API int32_t VORNA_ClearMemory(int32_t handle, uint8_t value);
VORNA_API int32_t VORNA_SendClientTypeToDevice(int32_t handle, uint8_t clientType);
VORNA_API int32_t VORNA_GetFileAttribute(int32_t handle, const char* remotePath, FileAttribute* attribute);
VORNA_API int32_t VORNA_SetFileAttribute(int32_t handle, const char* remotePath, FileAttribute attribute);
VORNA_API int32_t VORNA_DeleteFileAndFolder(int32_t handle, const char* remotePath);
/* items: count entries of 4 bytes. */
VORNA_API int32_t VORNA_UpgradeModelInfo(int32_t handle, uint16_t count, const uint8_t* items, uint16_t* result);
/* data: receives the bytes behind the 13-byte reply header, at most VORNA_MAX_PAYLOAD. */
VORNA_API int32_t VORNA_ReadChannelStatus(int32_t handle, uint8_t first, uint8_t second, uint16_t* value,
                                          uint8_t* data);
/* items: count entries of 8 bytes; results: count words. */
VORNA_API int32_t VORNA_WriteChannelStatus(int32_t handle, uint16_t count, const uint8_t* items, uint16_t* results);
VORNA_API int32_t VORNA_VerifyUserNamePwd(int32_t handle, uint8_t mode, uint8_t nameLength, uint8_t passwordLength,
                                          const char* name, const char* password, uint16_t* status);
VORNA_API int32_t VORNA_SetUserNamePwd(int32_t handle, uint8_t mode, uint8_t nameLength, uint8_t passwordLength,
                                       const char* name, const char* password, uint16_t* status);
VORNA_API int32_t VORNA_AddUserNamePwd(int32_t handle, uint8_t mode, uint8_t nameLength, uint8_t passwordLength,
                                       const char* name, const char* password, uint16_t* status);
VORNA_API int32_t VORNA_GetUserNamePwd(int32_t handle, uint8_t index, uint16_t* accountCount, void* reserved);
VORNA_API int32_t VORNA_SetNetworkSetting(int32_t handle, uint8_t mode, uint8_t count, const SettingItem* items,
                                          void* reserved);
VORNA_API int32_t VORNA_SetString(int32_t handle, uint8_t count, const SettingItem* items, void* reserved);
VORNA_API int32_t VORNA_IECGetInfo(int32_t handle, IECResourceInfo* info);
VORNA_API int32_t VORNA_IECGetInfoByIXL(int32_t handle, IECResourceNameList* list);
VORNA_API int32_t VORNA_GetConfigErrors(int32_t handle, ConfigErrorList* errors);
VORNA_API int32_t VORNA_SystemLogGetEnable(int32_t handle, SystemLogSettings* settings);
VORNA_API int32_t VORNA_SystemLogSetEnable(int32_t handle, SystemLogEnableBlock block, SystemLogSetResult* result);
VORNA_API int32_t VORNA_GetConfigReleaseDate(int32_t handle, ConfigReleaseDate* date);
VORNA_API int32_t VORNA_GetTAVOLogRetrieveFileIndex(int32_t handle, LogRetrieveIndexRequest request,
                                                    LogRetrieveIndexResult* result);
/* The MAC is the 4 bytes of macHead as they lie in memory, then the low 2 bytes of macTail. */
VORNA_API int32_t VORNA_CheckDeviceMACExist(int32_t handle, uint32_t macHead, uint32_t macTail, uint16_t* result);
/* Waits for one pushed progress frame; payload: VORNA_PUSHED_PAYLOAD_SIZE bytes. */
VORNA_API int32_t VORNA_GetFwUpgradePpercentage(int32_t handle, uint8_t* payload);
/* reply: VORNA_MAX_PAYLOAD bytes; filled (with its length) also when 0x8100 or 0x8101 is returned. */
VORNA_API int32_t VORNA_SendCmdDirectly(int32_t handle, uint16_t command, const uint8_t* payload, uint16_t length,
                                        uint8_t* reply, uint16_t* replyLength);
/* reply: VORNA_MAX_PAYLOAD bytes. */
VORNA_API int32_t VORNA_SendCmdByGateway(int32_t handle, const uint8_t* mac6, const uint8_t* frame, uint16_t length,
                                         uint8_t* reply, uint16_t* replyLength);

/* File transfer. Local paths and remote names are UTF-8; the remote name may be empty. */
VORNA_API int32_t VORNA_GetFileInfo(int32_t handle, const char* localPath, const char* remoteName, uint8_t fileType,
                                    uint16_t* state);
VORNA_API int32_t VORNA_DownloadFile(int32_t handle, const char* localPath, const char* remoteName, uint8_t fileType,
                                     TransferProgressCallback callback);
VORNA_API int32_t VORNA_DownloadFile_Ex(int32_t handle, const char* localPath, const char* remoteName, uint8_t fileType,
                                        TransferProgressCallback callback);
VORNA_API int32_t VORNA_DownloadFile_Retrieve_Log(int32_t handle, const char* localPath, const char* remoteName,
                                                  uint8_t fileType, uint32_t chunkSize, uint32_t* firstValue,
                                                  uint32_t* secondValue, TransferProgressCallback callback);
VORNA_API int32_t VORNA_UploadFile(int32_t handle, const char* localPath, const char* remoteName, uint8_t fileType,
                                   TransferProgressCallback callback);
VORNA_API int32_t VORNA_UploadFile_Ex(int32_t handle, const char* localPath, const char* remoteName, uint8_t fileType,
                                      TransferProgressCallback callback);
VORNA_API int32_t VORNA_UploadFile_ulTEK_Ex(int32_t handle, const char* localPath, const char* remoteName,
                                            uint8_t fileType, TransferProgressCallback callback);

/* MD5 (RFC 1321). */
VORNA_API int32_t VORNA_MD5Gen(const uint8_t* data, uint32_t length, uint8_t* digest16);
VORNA_API int32_t VORNA_MD5Gen_4_ulTEK_Init(Md5Context* context);
/* Before the data: counter := bytes already buffered (0 for a fresh context), length added in bits. */
VORNA_API int32_t VORNA_MD5Gen_4_ulTEK_Set_Len(Md5Context* context, uint32_t* counter, uint32_t totalLength);
VORNA_API int32_t VORNA_MD5Gen_4_ulTEK_Update(Md5Context* context, uint32_t* counter, const uint8_t* data,
                                              uint32_t length);
VORNA_API int32_t VORNA_MD5Gen_4_ulTEK_Final(Md5Context* context, uint8_t* digest16);

/* The PC's IPv4 interfaces; a selected one is bound by every later connect. */
VORNA_API int32_t VORNA_ListIF(uint16_t* count);
VORNA_API int32_t VORNA_GetIFInfoEx(uint16_t count, InterfaceRecord* records);
VORNA_API int32_t VORNA_SelectIFEx(uint16_t count, const InterfaceRecord* records, uint32_t interfaceIndex);

#ifdef __cplusplus
}
#endif

#endif
