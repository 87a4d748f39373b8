<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutTab</name>
    <message>
        <source>This is version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Horalux について</translation>
    </message>
    <message>
        <source>Horalux logo</source>
        <translation>Horalux のロゴ</translation>
    </message>
    <message>
        <source>Click here for Instructions and Help</source>
        <translation>使い方とヘルプはここをクリック</translation>
    </message>
    <message>
        <source>Click here for instructions and help</source>
        <translation>ここをクリックすると使い方とヘルプを表示します</translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>The title of the group about updating the program.</extracomment>
        <translation>更新</translation>
    </message>
    <message>
        <source>Updates to Horalux are free of charge and you can update the clock as often as you like. If you download an update and find that the clock isn`t working, then go to the Horalux home page and download the latest full version.</source>
        <translation>Horalux の更新は無料で、何度でも更新できます。更新をダウンロードした後に時計が動かなくなった場合は、Horalux のホームページから最新の完全版をダウンロードしてください。</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux now</source>
        <translation>今すぐ Horalux を更新するにはここをクリック</translation>
    </message>
    <message>
        <source>Click here to update your copy of Horalux</source>
        <translation>ここをクリックすると Horalux を更新します</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>-= Settings =-</source>
        <translation>-= 設定 =-</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Show Time Zone</source>
        <translation>タイムゾーンを表示</translation>
    </message>
    <message>
        <source>Freeze current time zone</source>
        <translation>現在のタイムゾーンに固定</translation>
    </message>
    <message>
        <source>About Horalux</source>
        <translation>Horalux について</translation>
    </message>
    <message>
        <source>Instructions and Help</source>
        <translation>使い方とヘルプ</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>Next time zone</source>
        <translation>次のタイムゾーン</translation>
    </message>
    <message>
        <source>Right click for options</source>
        <translation>右クリックでオプションを表示</translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation>データを待っています</translation>
    </message>
    <message>
        <source>Local time: 12:12:12</source>
        <translation>ローカル時刻：12:12:12</translation>
    </message>
    <message>
        <source>Click here to move on to the next time zone</source>
        <translation>ここをクリックすると次のタイムゾーンに進みます</translation>
    </message>
    <message>
        <source>Sorry, you can`t exit during an update. Please wait!</source>
        <translation>申し訳ありませんが、更新中は終了できません。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>お待ちください</translation>
    </message>
</context>
<context>
    <name>DownloadDialog</name>
    <message>
        <source>Download File</source>
        <translation>ファイルのダウンロード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Error Downloading File</source>
        <translation>ファイルのダウンロード エラー</translation>
    </message>
    <message>
        <source>Getting file information...</source>
        <extracomment>The progress line under the bar, which has room for two or three short lines.</extracomment>
        <translation>ファイルの情報を取得しています...</translation>
    </message>
    <message>
        <source>Saving:<byte value="xd"/><byte value="xd"/>%1 from %2</source>
        <extracomment>The line above the bar. %1 is the file&apos;s name, %2 the web folder it comes from.</extracomment>
        <translation>保存中:<byte value="xd"/><byte value="xd"/>%2 から %1</translation>
    </message>
    <message>
        <source>Download completed!</source>
        <translation>ダウンロードが完了しました！</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>ダウンロードに失敗しました！</translation>
    </message>
    <message>
        <source>Authorization failed!</source>
        <translation>認証に失敗しました！</translation>
    </message>
    <message>
        <source>Unauthorized</source>
        <translation>認証されていません</translation>
    </message>
    <message>
        <source>The file, %1 was not found!</source>
        <extracomment>%1 is the address of the file.</extracomment>
        <translation>ファイル %1 が見つかりませんでした！</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Cannot establish connection.<byte value="xd"/><byte value="xd"/>Check your Internet connection and try again.</source>
        <translation>接続を確立できません。<byte value="xd"/><byte value="xd"/>インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot Establish Connection</source>
        <translation>接続を確立できません</translation>
    </message>
    <message>
        <source>The server returned the following response:<byte value="xd"/><byte value="xd"/>%1</source>
        <extracomment>%1 is the server&apos;s status line (e.g. &quot;HTTP/1.1 500 Internal Server Error&quot;) and a line break, or nothing.</extracomment>
        <translation>サーバーから次の応答が返されました:<byte value="xd"/><byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>ダウンロード エラー</translation>
    </message>
    <message>
        <source>Cannot write file to disk!</source>
        <translation>ファイルをディスクに書き込めません！</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <extracomment>A size under 1000 bytes; %n is the count.</extracomment>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>Seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 sec</source>
        <extracomment>Minutes and seconds left, abbreviated; keep it short.</extracomment>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 hr %2 min</source>
        <extracomment>Hours and minutes left, abbreviated; keep it short.</extracomment>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>Transfer Rate: %1 KB/Sec</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the rate in kilobytes a second.</extracomment>
        <translation>転送速度: %1 KB/秒</translation>
    </message>
    <message>
        <source>Estimated Time Left: unknown (%1 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the amount received so far.</extracomment>
        <translation>残り時間: 不明 (%1 コピー済み)</translation>
    </message>
    <message>
        <source>Estimated Time Left: %1 (%2 of %3 copied)</source>
        <extracomment>The progress label has a fixed width: keep it short. %1 is the time left, %2 the amount received, %3 the file&apos;s size.</extracomment>
        <translation>残り時間: %1 (%3 中 %2 コピー済み)</translation>
    </message>
    <message>
        <source>%1% of %2 Completed</source>
        <extracomment>The download window&apos;s title. %1 is the percentage done, %2 the file&apos;s name.</extracomment>
        <translation>%1% 完了 - %2</translation>
    </message>
</context>
<context>
    <name>QtProcesses</name>
    <message>
        <source>Horalux is already running: the running clock was brought to the front.</source>
        <translation>Horalux はすでに起動しています。起動中の時計を最前面に表示しました。</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>You must select AT LEAST one of the time zones to be displayed. United Kingdom has now been turned on.</source>
        <translation>表示するタイムゾーンを少なくとも 1 つ選択してください。イギリスをオンにしました。</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>The title of a message box about a choice the user must make.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Your settings could not all be saved. The clock uses them now, but they will be lost when it ends.

%1

Make room on the disk or make the folder writable, then press Apply again.</source>
        <extracomment>%1 is one line per setting that could not be stored, with the reason.</extracomment>
        <translation>一部の設定を保存できませんでした。時計は現在この設定を使用していますが、終了すると失われます。

%1

ディスクの空き容量を増やすか、フォルダーを書き込み可能にしてから、もう一度 [適用] を押してください。</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>設定は保存されていません</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click here to save changes and exit</source>
        <translation>ここをクリックすると、変更を保存して閉じます</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Click here to exit without saving changes</source>
        <translation>ここをクリックすると、変更を保存せずに閉じます</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>A button of fixed width: keep it short.</extracomment>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>Click here to save changes</source>
        <translation>ここをクリックすると、変更を保存します</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>window title</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <comment>tab</comment>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>tab</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <comment>tab</comment>
        <translation>バージョン情報</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>Time delay between time zones being shown</source>
        <translation>タイムゾーンを切り替える間隔</translation>
    </message>
    <message>
        <source>Seconds between time zones</source>
        <translation>タイムゾーンを切り替える間隔 (秒)</translation>
    </message>
    <message>
        <source>Click either the up or down arrow to adjust the zone scan frequency</source>
        <translation>上下の矢印をクリックして、タイムゾーンを切り替える間隔を調整します</translation>
    </message>
    <message>
        <source>Change the delay</source>
        <translation>間隔を変更</translation>
    </message>
    <message>
        <source>The Up and Down keys add or take away a second</source>
        <translation>上下の方向キーで 1 秒ずつ増減します</translation>
    </message>
    <message>
        <source>Increase delay</source>
        <translation>間隔を長くする</translation>
    </message>
    <message>
        <source>Decrease delay</source>
        <translation>間隔を短くする</translation>
    </message>
    <message>
        <source>This is the time in seconds between time zone scans</source>
        <translation>タイムゾーンを切り替えるまでの秒数です</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>The title of a group of check boxes.</extracomment>
        <translation>全般</translation>
    </message>
    <message>
        <source>Make Horalux load with windows</source>
        <translation>ログイン時に Horalux を起動する</translation>
    </message>
    <message>
        <source>Check this box to either enable or disable the clock loading with windows</source>
        <translation>ログイン時に時計を自動的に起動するかどうかを設定します</translation>
    </message>
    <message>
        <source>Make Horalux always on top (of other windows)</source>
        <translation>Horalux を常に他のウィンドウの手前に表示する</translation>
    </message>
    <message>
        <source>Check this box to make Horalux always on top</source>
        <translation>オンにすると、Horalux を常に手前に表示します</translation>
    </message>
    <message>
        <source>Use a 24 hour clock instead of the standard 12 hour clock</source>
        <translation>標準の 12 時間制ではなく 24 時間制で表示する</translation>
    </message>
    <message>
        <source>Click here to make the clock 24 hour instead of 12 hour (or vice versa)</source>
        <translation>ここをクリックすると、12 時間制と 24 時間制を切り替えます</translation>
    </message>
    <message>
        <source>Syncronize the system time using the Internet (more accurate time zones)</source>
        <translation>インターネットでシステム時刻を同期する (より正確な時刻)</translation>
    </message>
    <message>
        <source>Enable the system time to be syncronised to the Internet time servers</source>
        <translation>システム時刻をインターネットのタイム サーバーと同期する</translation>
    </message>
    <message>
        <source>Check this box to enable the time to be checked and set by the Internet Time servers</source>
        <translation>オンにすると、インターネットのタイム サーバーで時刻を確認して設定します</translation>
    </message>
    <message>
        <source>Use graphical effects</source>
        <translation>グラフィック効果</translation>
    </message>
    <message>
        <source>Use different background graphics to coincide with the time of zone</source>
        <translation>タイムゾーンの時刻に合わせて背景画像を切り替える</translation>
    </message>
    <message>
        <source>Check this box to enable different background graphics</source>
        <translation>オンにすると、時刻に応じて背景画像が変わります</translation>
    </message>
    <message>
        <source>DST Settings</source>
        <translation>夏時間の設定</translation>
    </message>
    <message>
        <source>Automatically adjust the time for countries that support DST. E.g. in the UK, between April and October, the clocks go forward by 1 hour. This is called Daylight Saving Time. Unless you specifically want to see the time in an accurate scientific manner, then leave this option checked.</source>
        <translation>夏時間を実施している国では、時刻を自動的に調整します。たとえばイギリスでは 4 月から 10 月まで時計を 1 時間進めます。これを夏時間 (サマータイム) と呼びます。科学的に厳密な時刻を表示したい場合を除き、このオプションはオンのままにしてください。</translation>
    </message>
    <message>
        <source>Check this box to enable automatic adjustments for DST</source>
        <translation>オンにすると、夏時間に合わせて時刻を自動的に調整します</translation>
    </message>
    <message>
        <source>Exact time zones</source>
        <translation>正確なタイムゾーン</translation>
    </message>
    <message>
        <source>Check this box to show each zone&apos;s exact local time, with its own daylight-saving dates</source>
        <translation>オンにすると、各地域の夏時間の期間に従って正確な現地時刻を表示します</translation>
    </message>
    <message>
        <source>Sorry, your Time delay is set to an invalid number. You must choose a number between 5 and 60. I have now set it to 20 for you</source>
        <translation>申し訳ありません。切り替え間隔の値が無効です。5 ～ 60 の数値を指定してください。20 に設定しました。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The title of a message box about a wrong number.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>On: each zone&apos;s own clock rules (time-zone database)</source>
        <translation>オン: 各ゾーン固有の時刻規則 (タイムゾーンデータベース)</translation>
    </message>
    <message>
        <source>Off: fixed offsets and one shared summer rule</source>
        <translation>オフ: 固定の時差と共通の夏時間規則</translation>
    </message>
</context>
<context>
    <name>TimeZonesTab</name>
    <message>
        <source>Enter the time difference between this time zone and GMT. E.g. France would have a difference of +1 and Arizona, USA would have a difference of -7</source>
        <translation>このタイムゾーンと GMT との時差を入力します。たとえばフランスは +1、米国アリゾナ州は -7 です。</translation>
    </message>
    <message>
        <source>From the list below, check which time zones you wish to see shown with Horalux. If you remove the check from a time zone, then that zone will be skipped by Horalux.</source>
        <translation>下の一覧で、Horalux に表示するタイムゾーンにチェックを付けてください。チェックを外したタイムゾーンは Horalux に表示されません。</translation>
    </message>
    <message>
        <source>Check to enable this time zone, uncheck to disable it.</source>
        <translation>オンにするとこのタイムゾーンを表示し、オフにすると表示しません。</translation>
    </message>
    <message>
        <source>Custom Time Zones. Please type in the name of your own time zone</source>
        <translation>カスタム タイムゾーン (独自のタイムゾーン名を入力してください)</translation>
    </message>
    <message>
        <source>Name of custom time zone %1</source>
        <translation>カスタム タイムゾーン %1 の名前</translation>
    </message>
    <message>
        <source>Enter any name you wish in here, this can be your town/city, country or even your name</source>
        <translation>好きな名前を入力できます。市町村名や国名、あなたの名前でもかまいません</translation>
    </message>
    <message>
        <source>GMT offset</source>
        <extracomment>A label of fixed width before a small box: keep it short.</extracomment>
        <translation>時差</translation>
    </message>
    <message>
        <source>GMT offset of custom time zone %1</source>
        <translation>カスタム タイムゾーン %1 の GMT との時差</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>A button of fixed width that clears a custom time zone: keep it short.</extracomment>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Click here to delete this custom time zone</source>
        <translation>ここをクリックすると、このカスタム タイムゾーンを削除します</translation>
    </message>
    <message>
        <source>Reset custom time zone %1</source>
        <translation>カスタム タイムゾーン %1 をリセット</translation>
    </message>
    <message>
        <source>Enter the name of the time zone in here</source>
        <translation>ここにタイムゾーン名を入力</translation>
    </message>
    <message>
        <source>No place of this name is known: shown at %1, as typed.</source>
        <extracomment>Under a custom zone&apos;s name box; %1 is the offset the clock uses, such as &quot;GMT+5:30&quot;. Keep it short.</extracomment>
        <translation>この名前の場所は見つかりません: 入力どおり %1 で表示します。</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Horalux is about to check with Veltrane to see whether there is an update available. If you are using a FireWall, then you may be asked to grant permission to Horalux to access the Internet. Please select YES and allow the rule, if you don`t do this, then Horalux won`t be able to update itself!</source>
        <translation>Horalux は、更新があるかどうかを Veltrane に問い合わせます。ファイアウォールを使用している場合は、Horalux にインターネットへのアクセスを許可するかどうかを確認されることがあります。[はい] を選択してルールを許可してください。許可しないと、Horalux は自身を更新できません！</translation>
    </message>
    <message>
        <source>Internet access beginning.</source>
        <translation>インターネットへのアクセスを開始します。</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <extracomment>The title of the box that offers a newer version.</extracomment>
        <translation>新しいバージョン</translation>
    </message>
</context>
<context>
    <name>UpdateInstall</name>
    <message>
        <source>The downloaded update is not signed by the makers of Horalux, so it has been deleted and was not run. Your clock has not been changed.</source>
        <translation>ダウンロードした更新には Horalux の作成者による署名がないため、実行せずに削除しました。時計は変更されていません。</translation>
    </message>
    <message>
        <source>This copy of Horalux does not update itself: new versions come from where it was installed, such as your package manager.<byte value="xd"/>
<byte value="xd"/>
Do you want to open the Horalux home page to see what is new?</source>
        <translation>この Horalux は自動では更新されません。新しいバージョンは、パッケージ マネージャーなど、インストール元から入手してください。<byte value="xd"/>
<byte value="xd"/>
Horalux のホームページを開いて、新しい機能を確認しますか？</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>I Can`t download right now, please try again in a couple of minutes!</source>
        <translation>現在ダウンロードできません。数分後にもう一度お試しください！</translation>
    </message>
    <message>
        <source>Sorry, I`m busy</source>
        <translation>ただいま処理中です</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>ダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Download Failed</source>
        <translation>ダウンロード失敗</translation>
    </message>
    <message>
        <source>Update Not Trusted</source>
        <translation>信頼できない更新</translation>
    </message>
    <message>
        <source>Download successful! I will now run the update file.</source>
        <translation>ダウンロードが完了しました！これから更新ファイルを実行します。</translation>
    </message>
    <message>
        <source>Download Successful!</source>
        <translation>ダウンロード完了</translation>
    </message>
</context>
<context>
    <name>UpdateOffer</name>
    <message>
        <source>There is a new version of Horalux available.<byte value="xd"/>
You have version %1, and the new version number<byte value="xd"/>
is %2. Do you want me to download it now for you?<byte value="xd"/>
<byte value="xd"/>
WARNING: if this update stops your clock from working, then please<byte value="xd"/>
go along to %3 and download<byte value="xd"/>
the latest FULL VERSION (not update) from there</source>
        <extracomment>%1 is the running version, %2 the new one, %3 the web site&apos;s address; break the lines where they read well.</extracomment>
        <translation>Horalux の新しいバージョンがあります。<byte value="xd"/>
お使いのバージョンは %1 で、<byte value="xd"/>
新しいバージョンは %2 です。今すぐダウンロードしますか？<byte value="xd"/>
<byte value="xd"/>
警告: この更新で時計が動かなくなった場合は、<byte value="xd"/>
%3 から<byte value="xd"/>
最新の完全版 (更新版ではありません) をダウンロードしてください。</translation>
    </message>
    <message>
        <source>There is a new version of Horalux available.<byte value="xd"/>
You have version %1, and the new version number<byte value="xd"/>
is %2.<byte value="xd"/>
<byte value="xd"/>
This copy of Horalux does not update itself: new versions come from where<byte value="xd"/>
it was installed, such as your package manager. Do you want to open the<byte value="xd"/>
Horalux home page to see what is new?</source>
        <extracomment>%1 is the running version, %2 the new one; break the lines where they read well.</extracomment>
        <translation>Horalux の新しいバージョンがあります。<byte value="xd"/>
お使いのバージョンは %1 で、<byte value="xd"/>
新しいバージョンは %2 です。<byte value="xd"/>
<byte value="xd"/>
この Horalux は自動では更新されません。新しいバージョンは、<byte value="xd"/>
パッケージ マネージャーなど、インストール元から入手してください。<byte value="xd"/>
Horalux のホームページを開いて、新しい機能を確認しますか？</translation>
    </message>
</context>
<context>
    <name>WebLaunch</name>
    <message>
        <source>Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?</source>
        <translation>インターネット上の Horalux のホームページに接続しますか？ヘルプが見つかるかもしれません。</translation>
    </message>
    <message>
        <source>Do you want more help?</source>
        <translation>さらにヘルプが必要ですか？</translation>
    </message>
    <message>
        <source>Could not find associated browser!</source>
        <translation>関連付けられたブラウザーが見つかりません！</translation>
    </message>
    <message>
        <source>BROWSER NOT FOUND</source>
        <translation>ブラウザーが見つかりません</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Web ページを開けませんでした</translation>
    </message>
    <message>
        <source>URL FAILED</source>
        <translation>URL を開けません</translation>
    </message>
</context>
<context>
    <name>Zones</name>
    <message>
        <source>United Kingdom</source>
        <translation>イギリス</translation>
    </message>
    <message>
        <source>Pacific Time, USA</source>
        <translation>米国太平洋時間</translation>
    </message>
    <message>
        <source>Mountain Time, USA</source>
        <translation>米国山地時間</translation>
    </message>
    <message>
        <source>Central Time, USA</source>
        <translation>米国中部時間</translation>
    </message>
    <message>
        <source>Central Time (US and Canada)</source>
        <translation>中部時間 (米国とカナダ)</translation>
    </message>
    <message>
        <source>Eastern Time, USA</source>
        <translation>米国東部時間</translation>
    </message>
    <message>
        <source>Eastern Time (US and Canada)</source>
        <translation>東部時間 (米国とカナダ)</translation>
    </message>
    <message>
        <source>Brasilia + Greenland</source>
        <translation>ブラジル + グリーンランド</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>ブラジル</translation>
    </message>
    <message>
        <source>Amsterdam + Berlin</source>
        <translation>アムステルダム + ベルリン</translation>
    </message>
    <message>
        <source>Belgium + France</source>
        <translation>ベルギー + フランス</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>エルサレム</translation>
    </message>
    <message>
        <source>Kuwait + Riyadh</source>
        <translation>クウェート + リヤド</translation>
    </message>
    <message>
        <source>Kuwait + Riyahd</source>
        <translation>クウェート + リヤド</translation>
    </message>
    <message>
        <source>Moscow + Volgograd</source>
        <translation>モスクワ + ボルゴグラード</translation>
    </message>
    <message>
        <source>Moscow, Volgograd</source>
        <translation>モスクワ、ボルゴグラード</translation>
    </message>
    <message>
        <source>Abu Dhabi + Muscat</source>
        <translation>アブダビ + マスカット</translation>
    </message>
    <message>
        <source>Abu Dhabi, Muscat</source>
        <translation>アブダビ、マスカット</translation>
    </message>
    <message>
        <source>Islamabad + Tashkent</source>
        <translation>パキスタン + タシケント</translation>
    </message>
    <message>
        <source>Bangkok + Hanoi</source>
        <translation>バンコク + ハノイ</translation>
    </message>
    <message>
        <source>Beijing + Hong Kong</source>
        <translation>北京 + 香港</translation>
    </message>
    <message>
        <source>Perth, Australia</source>
        <translation>パース (豪州)</translation>
    </message>
    <message>
        <source>Seoul, South Korea</source>
        <translation>ソウル (韓国)</translation>
    </message>
    <message>
        <source>Brisbane, Australia</source>
        <translation>ブリスベン (豪州)</translation>
    </message>
    <message>
        <source>Vladivostok, Russia</source>
        <translation>ウラジオストク (ロシア)</translation>
    </message>
    <message>
        <source>Vladivostok + Russia</source>
        <translation>ウラジオストク (ロシア)</translation>
    </message>
    <message>
        <source>Wellington, New Zealand</source>
        <translation>ウェリントン (NZ)</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>フィンランド</translation>
    </message>
    <message>
        <source>Germany + Gibraltar</source>
        <translation>ドイツ + ジブラルタル</translation>
    </message>
    <message>
        <source>Spain + Sweden</source>
        <translation>スペイン + スウェーデン</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>トルコ</translation>
    </message>
</context>
</TS>
