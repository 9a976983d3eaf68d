<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>其他...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>其他...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>寬頻</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>窄頻</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>載波</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>頻道</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>發射</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QT/DQT DEC</source>
        <translation>QT/DQT DEC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT ENC</source>
        <translation>QT/DQT ENC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>遇忙禁發</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <location filename="../src/core/pages/key_values.cpp" line="+37"/>
        <location line="+16"/>
        <location filename="../src/core/pages/option_values.cpp" line="+93"/>
        <location line="+12"/>
        <location line="+6"/>
        <location line="+12"/>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>瞬時監聽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitor </source>
        <translation>監聽</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+198"/>
        <source>Scramble</source>
        <translation>擾頻</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Alarm</source>
        <translation>警報</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Vox</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Whisper</source>
        <translation>耳語</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+4"/>
        <source>Compand Expand</source>
        <translation>壓擴</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>電量偵測</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>監聽</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>掃描暫停</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>載波</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>提示音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>偵測</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>掃描參數</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>其他功能</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>耳語功能</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Mode</source>
        <translation>掃描模式</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>載波：接收到載波時，掃描停留在該頻道上。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>接收恢復時間(秒)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>訊號消失後，掃描在該頻道上繼續停留的時間（秒）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>發射恢復時間(秒)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>發射結束後，掃描等待的時間（秒）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>發射限時(s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>發射時間超過此值時自動停止發射；設為 關閉 則不限時。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>語音/提示音</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>按鍵時無線電播放的語音或提示音。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>靜噪等級</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>開啟喇叭所需的訊號強度。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>鎖定偵測</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>耳語等級</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>耳語</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>耳語功能開啟時，用於小聲說話的麥克風增益。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>啟用耳語功能</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>VOX 等級</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>VOX 功能</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>VOX 開啟時，觸發發射所需的說話音量。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>啟用 VOX 功能</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>PTT ID 開始碼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>開始碼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>發射開始時發送的 PTT ID 碼：最多 8 位。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>PTT ID 結束碼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>結束碼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>發射結束時發送的 PTT ID 碼：最多 8 位。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>啟用 PTT ID 開始碼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>啟用開始碼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>啟用 PTT ID 結束碼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>啟用結束碼</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>DTMF 速率(位/秒)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>PTT ID 碼的發送速度。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>首位碼時間(ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>首位碼延遲時間(ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>DTMF 側音</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>有線複製模式</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>啟用警報功能</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>省電</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>接收機在兩次訊號偵測之間休眠，以節省電池電量。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>長按</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>短按</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>頂部鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>中間鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>底部鍵</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>長按時間(s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>頂部鍵長按</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>頂部鍵短按</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>中間鍵長按</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>中間鍵短按</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>底部鍵長按</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>底部鍵短按</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>Zem 編程軟體</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>以連結分享</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>寫入後驗證</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>與無線電比較</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>與檔案比較</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>頁面</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>無線電可程式按鍵示意圖：從正面看的一台手持無線電，紅色引線分別指向頂部按鍵、左側上方的中間按鍵以及其下方的底部按鍵。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>供列印的頻道清單</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>詳細資料</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>說明頁面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>將程式檔（.Zem）拖放到此處即可開啟</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>此瀏覽器無法存取序列埠寫頻線。如需讀取或寫入無線電，請在桌上型電腦上以 Chrome 或 Edge（89 或更新版本）開啟本頁面；在這裡可以開啟、編輯及儲存檔案。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>此瀏覽器不支援程式核心所需的 WebAssembly，因此這裡的任何功能都無法使用。本頁面可在最新版 Chrome、Edge、Firefox 及 Safari 中使用；讀取及寫入無線電需要在桌上型電腦上使用 Chrome 或 Edge（89 或更新版本）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>無法載入程式核心（zem.wasm，WebAssembly），因此這裡的任何功能都無法使用：%1。瀏覽器或網站的政策可能封鎖了 WebAssembly。本頁面可在最新版 Chrome、Edge、Firefox 及 Safari 中使用；讀取及寫入無線電需要在桌上型電腦上使用 Chrome 或 Edge（89 或更新版本）。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>%1 已交給瀏覽器下載。
檔案是否已儲存？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>無法儲存 %1：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>程式檔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>程式檔或方案</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>此方案的連結已複製到剪貼簿。開啟連結的人會看到此方案，可直接寫入。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>瀏覽器不允許本頁面複製連結。請從這裡複製：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>已讀取 %1/%2 個區塊</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>已寫入 %1/%2 個區塊</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>無法儲存無線電歷史記錄。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>%1 %2 的讀取記錄</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>選擇其他機型將清除所有資料並建立新文件，確定嗎？</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>超出 %1-%2 MHz；此方案未選擇頻段</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>超出 %1-%2 MHz；此方案適用於頻段 %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>以下數值未貼上：</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>頻道 %1，%2：「%3」：%4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>%1 列超出頻道 16，未貼上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>%1 列超出頻道 16，未貼上</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>資料格式錯誤，請重新輸入</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>資料值錯誤，請依步進值（6.25K/5K）輸入</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>不是亞音清單中的值</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>必須是 %1 之一</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>不是頻道表中的儲存格</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>第 %1 行：右引號後還有文字</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>第 %1 行：帶引號的欄位未結束</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2%3)</source>
        <translation>%1（%2%3）</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+83"/>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1，頻道 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1，%2「%3」</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>此欄重複出現</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>應為包含「Ch」欄及 %1 中任一欄的標題列，以逗號、分號或定位字元分隔；實際為「%2」</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>文字中沒有標題列</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>此列有 %1 個欄位，標題列有 %2 個</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>不是 1 到 16 之間的頻道編號</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>此頻道已有一列</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_list.cpp" line="-2"/>
        <source>%1, Location %2</source>
        <translation>%1，Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>the file has no header row</source>
        <translation>檔案中沒有標題列</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>標題列中沒有 %1 欄</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>不是整數</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>Location 重複出現</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>沒有可匯入的記憶體項目</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>必須為 High、Low 或功率值（如 5.0W）</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1「%2」</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>名稱未儲存：%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>欄「%1」未儲存：有 %2 列在此欄中有值</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>已取用 16 列，另有 %1 列：Location %2 未儲存</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>已取用 16 列，另有 %1 列：Location %2 至 %3 未儲存</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>%1 為空</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>不是亞音清單中的 CTCSS 亞音</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>不是亞音清單中的 DCS 碼</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>不是以 MHz 為單位的頻率</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>此無線電只儲存 FM（寬頻）與 NFM（窄頻）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>必須為 S、P 或留空</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>發射頻率將低於零</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>發射 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>必須為空、+、-、split 或 off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>必須為兩個字母 N 或 R，先發射後接收</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>不是此無線電支援的交叉模式</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>必須為空、Tone、TSQL、DTCS 或 Cross</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> — 請在頻道設定頁面選擇頻段</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>欄「%1」不是頻道表的欄位，已忽略</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>位元組 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>位元組 %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>機型</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>頻段</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>頻道 %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>低功率值 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>高功率值 %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>有 %1 個位元組不同，但僅在於無線電儲存數值的方式不同，頁面上顯示的數值相同</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>有 %1 個位元組不同，但僅在於無線電儲存數值的方式不同，頁面上顯示的數值相同</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 為 %2；%3 最大為 %4</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>超過 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1：讀取錯誤</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 是資料夾，不是%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1：無法開啟讀取</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>檔案「%1」不存在。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>無法開啟「%1」：這是資料夾，不是程式檔。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>無法開啟檔案「%1」。</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>無法讀取檔案「%1」。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>檔案「%1」不是程式檔：其大小為 %2 位元組，而程式檔應為 %3 位元組。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>無法開啟檔案「%1」：%2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>無法儲存檔案「%1」：這是資料夾。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>無法儲存檔案「%1」：該檔案為唯讀。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>無法儲存檔案「%1」：%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>無法儲存檔案「%1」：%2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>此連結不包含完整的方案：可能在傳送過程中遭截斷或變更。未做任何變更。</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>未指定資料夾。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>無法使用資料夾「%1」：%2。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>無法寫入資料夾「%1」。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>無法使用資料夾「%1」：%2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>無法建立「%1」：%2。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>無法為「%1」找到可用的名稱。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>報告「%1」是資料夾。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>報告「%1」已存在。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>無法寫入報告「%1」。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>無法寫入報告「%1」：%2。</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>報告為空。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>這不是多台寫入報告：其第一行沒有連接埠、結果及備份欄。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>報告中 %1 上有多台無線電（一條寫頻線，多台無線電）：請將每台無線電重新接上寫頻線，並以 zemtool write 寫入其備份。</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>無線電中的資料與寫入的不一致。第一處差異：%1。
程式已保留其資料：請重新寫入，或檢查無線電與寫頻線。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>無線電中的資料與寫入的不一致。第一處差異：%1 在無線電中為 %2，在程式中為 %3。
程式已保留其資料：請重新寫入，或檢查無線電與寫頻線。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>無線電中的資料與寫入的不一致。第一處差異：%1。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>無線電中的資料與寫入的不一致。第一處差異：%1 在無線電中為 %2，在程式中為 %3。</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>備份中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>寫入中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>驗證中</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>無線電未變更</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>無線電中僅有部分寫入（%1/%2 個區塊）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>無線電已接收全部寫入，未驗證</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>無線電中寫入的資料與方案不一致</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>已全部寫入，於驗證時取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>於第 %1 個區塊（共 %2 個）時取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>於寫入第一個區塊之前取消</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>沒有備份，因此未寫入任何資料</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>無法開啟連接埠，請檢查連接埠是否被佔用或裝置是否正常</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>正在偵測通訊連接埠，請稍候...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>正在等待無線電回應...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>通訊錯誤，請檢查所有連接及無線電電源</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>接收的位元組數不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>寫頻中斷，請重新啟動無線電後再試</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation>寫頻中斷，請重新啟動無線電後再試</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>讀取資料進度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>寫入資料進度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>就緒......</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>無線電已接收全部寫入資料，但回讀驗證失敗：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>寫入在完成前被中止：無線電中現在一部分是本程式的資料，一部分是原有資料。使用無線電前請重新寫入。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>通訊線路故障：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>無線電沒有回應</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>密碼不正確</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1：方案：%2，無線電：%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>區塊 %1（%2-%3）不一致</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>區塊 %1（%2-%3）不一致：%4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>%1 台完成，%2 台失敗</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>%1 台完成，%2 台失敗，%3 個連接埠未使用（缺少或重複指定）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>%1 台完成，%2 台失敗，%3 個連接埠未使用（缺少或重複指定）</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>連接埠重複指定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>%1 被指定了多次</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 與 %2 是同一個連接埠</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>讀取位址 %1 處的區塊：%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>寫入位址 %1 處的區塊：%2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>區塊 %1 的回應全是 0x06 位元組：線路上有某個裝置對所有資料都回應 0x06，它不是無線電；請檢查寫頻線或轉接器</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>區塊 %1 的回應多了 1 個位元組</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>區塊 %2 的回應多了 %1 個位元組</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>請求的是區塊 %2，無線電卻回應了區塊 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>區塊 %1 的回應所示長度為 %2，而非 %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>無線電沒有回應確認</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>無線電回應 %1，而非 0x06</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>喚醒 %1 次，無線電皆未回應（%2）；線路將程式送出的每個位元組原樣回傳：請檢查寫頻線或轉接器</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>喚醒 %1 次，無線電皆未回應（%2）</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>無線電未確認進入寫頻模式（%1）</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>位址 %1 處的區塊：僅收到 %2/%3 個回應位元組</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>無法開啟追蹤記錄檔 %1</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>連接埠已關閉</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>線路已中斷（寫頻線或轉接器是否已拔除？）</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>寫入失敗：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>寫入逾時</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>線路已中斷</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>讀取失敗：%1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>輪詢失敗：%1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1：不是序列埠</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1：沒有此裝置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1：權限不足（使用者必須屬於 dialout 群組）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1：權限不足</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1：正被其他程式使用</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>「%1」既不是有對應裝置的連接埠編號 1-99，也不是裝置路徑</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>內建序列埠</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>「%1」既不是連接埠編號 1-99，也不是裝置路徑</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>未選擇序列埠</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>無線電只能儲存「%1」；「%2」已儲存為「%1」</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>必須是單一值</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>必須是鍵值對應表</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>未知的鍵</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>此鍵重複出現</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>缺少鍵 %1</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>必須是 %1 之一</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>必須是 %1 到 %2 之間的整數</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>必須是包含 16 個頻道的清單</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>此頻道重複出現</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>缺少頻道 %1</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>必須為 true 或 false</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>必須是包含 7 個 0 到 255 之間數值的清單</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>必須是位址對應位元組的對應表</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>不是位址：應為十六進位文字 0x000 到 0x3FF，或數字 0 到 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>不是十六進位位元組（00 到 FF）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>超出記憶體映像的結尾</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>此位元組重複指定</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>不是方案文字檔：沒有最上層的鍵「zem-plan: 1」</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>本程式只能讀取第 1 版方案文字檔</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes：%1 處未提供任何值；該處採用了新文件的位元組</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes：此區段為空；上方各值未決定的位元組取自新文件</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes：缺少此區段；上方各值未決定的位元組取自新文件</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>此版本無法讀取方案文字檔（建置時未包含 yaml-cpp）</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行，第 %2 欄：%3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>第 %1 行，第 %2 欄，%3：%4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>第 %1 行，第 %2 欄，%3「%4」：%5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>輸入的 PTT ID 不正確，將改為零</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>輸入的 PTT ID 太短，將在末尾補零</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>PTT ID 最多 8 位數字</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>關於 Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>程式圖示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>Zem 通訊軟體-1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>透過序列埠寫頻線為 16 頻道手持無線電進行程式設定。
版權所有 (C) Zem Electronics Co., Ltd.
保留一切權利。</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-59"/>
        <location filename="../src/gui/app/about_dialog.cpp" line="+4"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>zem::gui::CChannelPage</name>
    <message>
        <location filename="../src/core/channels/cell_keys.cpp" line="+13"/>
        <source>Please input Number</source>
        <translation>請輸入數字</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>頻道 %2 的%1</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>機型設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+10"/>
        <location line="+126"/>
        <source>Type</source>
        <translation>機型</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="-124"/>
        <source>Field</source>
        <translation>頻段</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>頻道設定</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>無線電的 16 個頻道。按一下儲存格即可編輯，也可直接輸入：頻率以 MHz 為單位（例如 145.5），亞音及其他選項從清單中選擇。按 Enter 鍵移至下一個儲存格。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>無線電機型。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>無線電的頻段；超出此頻段的頻率將被拒絕。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>以此頻段的示範頻道填入頻道表。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>頻段</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>頂部鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>中間鍵</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>底部鍵</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>無線電可程式按鍵示意圖</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>手持無線電正面圖。紅色引線指向三個可程式按鍵：機身頂部的頂部鍵、左側上方的中間鍵，以及位於其下方的底部鍵。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>無線電的三個可程式按鍵：頂部鍵、中間鍵（側面上方）和底部鍵（側面下方）。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>將三個按鍵與長按時間還原為原廠設定。</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>按鍵設定</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>方案文字檔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>方案 %1 未開啟：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>（另有 %1 項）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>方案 %1 已開啟，並做了以下變更：</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>程式的三個頁面：頻道表、選用功能與按鍵設定。</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>將所有選用功能還原為原廠設定。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>耳語功能</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan information</source>
        <translation>掃描參數</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>其他功能</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>選用功能</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>請輸入密碼</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>請輸入 1 到 99 之間的整數。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>請選擇序列埠</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>請輸入序列埠編號，例如 1、2、3 等，最大為 99。如果不清楚，請在 Windows XP/9X 控制台的裝置管理員中查看「連接埠 (COM 和 LPT)」。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>本電腦的序列埠</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>描述</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>預設值</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. 線上功率設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>頻率範圍設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>最高頻率(MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>最低頻率(MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>頻率範圍</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>低功率值</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>高功率值</translation>
    </message>
</context>
<context>
    <name>zem::gui::CProgressDlg</name>
    <message>
        <location line="-10"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+15"/>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>進度：</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>就緒......</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CellDelegate</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+55"/>
        <location filename="../src/gui/channels/cell_delegates.cpp" line="+62"/>
        <source>%1, channel %2</source>
        <translation>%1，頻道 %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>頻道 %1，%2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>無線電</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>沒有差異：兩者的資料完全相同。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>與 %1 比較</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Document</source>
        <translation>文件</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-41"/>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+1"/>
        <source>Differences</source>
        <translation>差異</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>文件與 %2 之間有 %1 處差異：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>頁面上沒有差異：%1。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>頻道清單未匯入，未做任何變更。以下數值被拒絕：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>以下數值被拒絕。是否略過這些列，匯入頻道清單中的其他列？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>頻道清單已匯入。此無線電不會儲存以下內容：</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>匯入 CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>匯入記憶體清單</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>頻道清單</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>讀取已完成，但無法儲存到無線電歷史紀錄中。
資料夾：%1
原因：%2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>寫頻資料</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>已開啟 %1</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>檔案 %1 在您開啟後已被其他程式修改。是否覆寫？</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>檔案 %1 已被其他程式修改。是否重新載入？</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ExchangeGuard</name>
    <message>
        <location filename="../src/gui/app/exchange_guard.cpp" line="+14"/>
        <source>A radio is still being read or written.
Stop every radio at its next block and quit the program?</source>
        <translation>仍有無線電正在讀取或寫入。
是否讓所有無線電在下一個資料區塊處停止，並結束程式？</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (%1 台失敗)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>；備份：%1；還原方法：將無線電重新接上寫頻線，把備份寫入（先「開啟」，再「寫頻」）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>；備份：%1；還原方法：從備份還原</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>無線電仍在寫入中。
是否讓所有無線電在下一個資料區塊處停止，並關閉此視窗？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>寫入多台無線電</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>連接埠編號或裝置路徑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>對每台無線電</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>驗證</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>回讀每台無線電，並與方案進行比較</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>備份到</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>先將每台無線電讀取到此資料夾中各自的程式檔</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>重複：一條寫頻線，多台無線電</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>每寫完一台，等待其取下，再為接上的下一台進行程式設定，直到停止</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>無線電</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>次數</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>訊息</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>儲存報告...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>從備份還原</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>將每台寫入失敗的無線電自己的備份寫回該機</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>已新增 1 個連接埠：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>已新增 %1 個連接埠：%2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>請勾選要寫入之無線電所在的連接埠。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>請選擇備份資料夾。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>備份</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>還原：%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>報告「%1」已存在。是否取代？</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>將無線電重新接上寫頻線，把備份寫入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>視窗中的「從備份還原」，或 zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>儲存報告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>執行結束後，報告將儲存到 %1。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>備份資料夾</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>Zem 寫頻軟體說明</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>說明頁面</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. 寫頻軟體</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>如需說明，請按 F1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>請選擇需要說明的物件</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>程式重新啟動後才會變更語言。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>請直接在表格內按兩下</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>線上功率設定</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>從無線電讀取功率值</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>已寫入</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>程式檔(*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>方案文字檔 (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>程式檔或方案 (*.Zem *.zem *.yaml *.yml);;程式檔(*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>頻道清單 (%1);;所有檔案 (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>匯入頻道清單</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>匯出頻道清單</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>是否儲存對 %1 的變更？</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>本程式的頻道清單 (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>其他寫頻軟體的記憶體清單 (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>不是資料夾</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>無線電歷史紀錄</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>已讀取的無線電</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Type</source>
        <translation>機型</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Band</source>
        <translation>頻段</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>第一個頻道</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>讀取者</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>備註(&amp;N)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>無法儲存備註。</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>每次從無線電完整讀取的紀錄，最新的在前（保留最新的 %1 筆）。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>尚未讀取過任何無線電。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>是否從無線電歷史紀錄中刪除 %1 %2 的讀取紀錄？</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>無法刪除 %1 %2 的讀取紀錄。</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>請按一下下拉式清單選擇數值</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>請按一下儲存格進行編輯或輸入資料</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>如需說明，請按 F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>預設值</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>驗證已停止</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>正在驗證寫入的資料</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>正在回讀無線電以進行比較...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>驗證</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>正在驗證寫入的資料</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>從無線電讀取</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>已從無線電讀取</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>已寫入無線電</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>已寫入無線電並通過驗證</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>已寫入無線電，但未驗證：%1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>復原：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>開新檔案(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>建立新文件
開新檔案</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>開啟(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>開啟現有文件
開啟</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>儲存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>儲存目前的文件
儲存</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新名稱儲存目前的文件
另存新檔</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>匯入頻道清單(&amp;I)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>以頻道清單中的頻道取代目前的頻道：可以是本程式的 CSV，也可以是其他寫頻軟體的記憶體清單
匯入頻道清單</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>匯出頻道清單(&amp;E)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>將頻道儲存為本程式的 CSV 或其他寫頻軟體的記憶體清單
匯出頻道清單</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>無線電歷史紀錄(&amp;R)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>開啟先前讀取過的無線電
無線電歷史紀錄</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>列印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>列印目前的文件
列印</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>預覽列印(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>顯示整頁
預覽列印</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>列印設定(&amp;S)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>變更印表機和列印選項
列印設定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>最近使用的檔案</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>開啟此檔案</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>結束應用程式；會提示儲存文件
結束</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>復原上一次變更
復原</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>重做上一次復原的變更
重做</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>剪下(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>剪下選取的儲存格並放到剪貼簿上
剪下</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>複製(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>將選取的儲存格複製到剪貼簿
複製</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>貼上(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>在選取的儲存格處插入剪貼簿內容
貼上</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>刪除(&amp;D)	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>清除選取的儲存格
刪除</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>讀頻(&amp;U)	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>從無線電讀取資料
讀頻</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>寫頻(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>將資料寫入無線電
寫頻</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>寫入多台無線電(&amp;S)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>將此文件寫入多台無線電，可同時寫入，也可逐台寫入
寫入多台無線電</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>與無線電比較(&amp;C)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>讀取無線電，並列出其與文件的不同之處；文件保持不變
與無線電比較</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>與檔案比較(&amp;F)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>列出程式檔與文件的不同之處
與檔案比較</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>編輯頻道(&amp;E)	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>編輯頻道資料
編輯</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>線上功率設定(&amp;Y)	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>線上調整發射功率、靜噪等級及低電量警示</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM1(&amp;P)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>選擇 COM1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM2(&amp;Q)	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>選擇 COM2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM3(&amp;S)	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>選擇 COM3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM4(&amp;T)	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>選擇 COM4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>其他(&amp;O)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>選擇其他序列埠</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>寫入後驗證(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>寫入後回讀無線電，並與寫入的資料進行比較
驗證</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>工具列(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>顯示或隱藏工具列
切換工具列</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>狀態列(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>顯示或隱藏狀態列
切換狀態列</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>選擇視窗的語言
語言</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>說明內容(&amp;H)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>顯示本軟體的版本和版權資訊
關於</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>說明目錄</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>列出說明目錄
說明目錄</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>顯示目前工作的說明
說明</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>這是什麼？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>顯示內容相關說明
說明</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>寫頻(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
</context>
</TS>
