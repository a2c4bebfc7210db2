<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>ファイルが存在しないか、アクセスできません。</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>ファイルが破損しているか、有効な PDF ではありません。</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>文書は暗号化されています。</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>この PDF の暗号化方式には対応していません。</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>文書を開く際に問題が発生しました。</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>%1 ページ目を描画できなかったため、エクスポートを中止しました。</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>出力ファイルを作成できません：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ テキストに固定、再レイアウト後も位置を復元可能</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ 矩形による代替：再レイアウト後に位置がずれる可能性があります</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>注釈を削除</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>付箋の内容（任意、どの種類にもメモを付けられます）</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>この注釈を削除しますか？</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>注釈モード オン：テキストをドラッグするか枠を描いて注釈を作成、既存の注釈をクリックで編集</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>注釈を保存しました</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>注釈はローカルの補助ファイル（.dovrixmark）に保存され、
Adobe など他のリーダーで元のファイルを開いても表示されません。

Dovrix は元の PDF を決して変更しません。</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>注釈はローカルの .dovrixmark ファイルにのみ保存されます。Adobe など他のリーダーで元のファイルを開いても表示されません。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · %2 ページ · 色 %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>注釈はまだありません。注釈モードをオンにしてテキストをドラッグすると作成できます。</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>自分の注釈</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>文書内の注釈（%1 件、読み取り専用）</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>自分の注釈にコピー</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>この種類の注釈は自分の注釈にコピーできません。</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>この注釈は完全には読み取れませんでした。注釈ファイルにそのまま保持され、編集できません。</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>読み取れない注釈</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>注釈ファイルはありますが、読み込めません：%1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>このフォルダーには書き込めません。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>エクスポート先が元のファイルと同じです。元のファイルには決して書き込まないため、中止しました。</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>エクスポート先が注釈ファイルと同じため、中止しました。</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix 注釈一覧（全 %1 件）

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— %1 ページ ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>テキストに固定 </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>（位置 p%1 x%2 y%3）</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>注：注釈はローカルの補助ファイルにのみ保存されます。Adobe など他のリーダーで元のファイルを開いても表示されません。
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>注釈ファイルがソースファイルそのものなので、書き込みません。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>注釈ファイルの場所にフォルダーがあります。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>読み取れない注釈ファイルをバックアップできないため、上書きを避けて保存を停止しました。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>注釈の保存に失敗しました：%1。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>ファイル名に認識できない文字が含まれているため、隣に注釈ファイルを保存できません。注釈は一時的にメモリに保持されます。閉じる前にエクスポートしてください。</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>この注釈ファイルは新しいバージョンの Dovrix で書かれています。読み取り専用で開いています：変更は保存されません。</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>ブックマークはまだありません。Ctrl+D で現在の位置をブックマークします。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>この文書には目次（章・しおり）が埋め込まれていません。
読書位置は内容に基づいて自動的に記憶されます。</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>波線</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>手書き</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>多角形</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>折れ線</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>スタンプ</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>挿入記号</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>添付ファイル</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>ファイルを開くのに時間がかかりすぎました。</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1（%2 バイト）</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>混在（%1 種類）</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>コピーを保存…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>文書のプロパティ — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>すべてのページ</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>埋め込み</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>添付ファイルはコピーとして保存するだけで、Dovrix が開いたり実行したりすることはありません。</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>添付ファイル</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>作成者</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>サブタイトル</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>作成アプリケーション</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF 変換</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF バージョン</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>ページサイズ</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>无</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>テキストのコピー</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>フォーム入力</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>宣言された権限</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>許可：%1
不許可：%2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>タグ付き</translation>
    </message>
    <message>
        <source>是</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>否</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>スクリプト</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>文書に JavaScript が含まれていますが、Dovrix は実行しません。</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>添付ファイル（%1）</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>添付ファイルのコピーを保存</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>添付ファイルが壊れていて読み取れません。</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>コピーを保存しました：
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>添付ファイルを保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>新しい文書</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>エクスポート完了</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>エクスポート先：
%1

元のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>現在のページを PNG としてエクスポート</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>エクスポート失敗</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>ページを描画できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>全文テキストをエクスポート（読み順）</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>注釈一覧</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>この文書には注釈がありません。</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>注釈一覧をエクスポート</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>注釈付き PDF をエクスポート</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>注釈付き PDF をエクスポートしています…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>エクスポート先：
%1

元のファイルは変更されていません。注釈はコピーに埋め込まれ、Adobe・WPS・ブラウザーで表示できます。
（コピーはページごとに描画した平坦化 PDF です。見た目は同じですが、テキストは選択できません）</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>印刷しています…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 ページをプリンターに送信しました。</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>ページを描画できなかったため、印刷を中止しました。</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>印刷ジョブを開始できません。</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>読み順でテキストをエクスポートしています…
%1 / %2 ページ</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>フラット化したコピー（画像）を書き出す</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>PDF ファイルに印刷</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>注釈と拡大縮小</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>注釈を含める</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>用紙に合わせる</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>書き出し先：
%1

元のファイルは変更されていません。注釈は標準の PDF 注釈としてコピーに書き込まれ、他のビューアーでも表示されます。テキスト、リンク、目次は保たれます。</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>印刷サービスがジョブを受け付けませんでした：%1
失われたものはありません。もう一度試すか、ファイルに印刷してください。</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>元のファイルを読み込めません：%1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>%1 に書き込めません：
%2

不完全なファイルは残っていません。元のファイルは変更されていません。</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>印刷サービス（CUPS）が見つかりません。
代わりに文書を PDF ファイルに印刷しますか？</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>署名フィールド（表示のみ）</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>このフォームのスクリプトは実行されません。文書が計算や書式設定をするフィールドは入力した内容のままです。</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>署名フィールドは表示のみです。Dovrix は文書に署名しません。</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>サイドバー</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>戻る（表示履歴）</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>進む（表示履歴）</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF を開く（文書ごとにタブ）</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>印刷（Ctrl+P）</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>新しいファイルにエクスポート（元のファイルは変更しません）</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>現在のページを画像として（PNG 300 DPI）…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>全文テキスト（TXT、読み順）…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>注釈一覧（TXT）…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>注釈付き PDF（コピー）…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>現在の注釈を新しい PDF に埋め込みます。Adobe/WPS で表示でき、元のファイルは変わりません</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>注釈モード（A）：ハイライト / 下線 / 取り消し線 / 付箋 / 矩形 / 矢印</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90°回転</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>一時的に 90° 回転（今回の表示のみ）</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>文書を検索 · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>紙</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>ミッドナイト</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>ハイコントラスト</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>表示言語を切り替え</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Dovrix のホームページを開く</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>PDF を開いて読み始めましょう。Dovrix は閲覧専用で、元のファイルを変更しません。
複数の文書をタブで同時に開けます。</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF を開く…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>元のファイルが外部で変更されました。再読み込みすると最新の内容を表示します。</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix&#x3000;超高速リーダー</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>単一ページ / 連続スクロールの切り替え</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>文書を閉じる</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>次のタブ</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>プライベートモード</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>次の検索結果</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>前の検索結果</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>選択したテキストをコピー</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>単一ページモード</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>一時的に 90° 回転</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>ページに合わせる</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>実際のサイズ（100%）</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>注釈モード</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF を開く</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF 文書 (*.pdf);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>ファイルが存在しないか、アクセスできません。</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● 注釈が現在の文書の内容と一致しません。矩形の位置がずれる可能性があります</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>文書を開いています…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>パスワードが正しくありません。もう一度入力してください</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>この文書は暗号化されています</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>パスワードを入力してください（Dovrix は解除や権限の削除には対応していません）：</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● 元のファイルが外部で変更されました</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● 読み取り専用：元のファイルのハッシュは変わっていません</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256：%1
Dovrix は元のファイルを変更しません。</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● プライベートモード：オン</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>プライベートモード：オフ</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>プライベートモード：最近使ったファイルとサムネイルキャッシュを書き込みません</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— %1 ページ ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>（このページはスキャン画像で、テキストレイヤーがありません）</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>（このページの一部のテキストは信頼できない可能性があります）</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>ハイライト（H）</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>下線（U）</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>取り消し線（S）</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>付箋（N）</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>矩形（B）</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>矢印（L）</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>ページへ移動…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>ページ番号またはページラベルを入力して Enter キーで移動（Ctrl+G）</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>オフライン OCR を実行中…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>オフライン OCR を実行中：%1/%2 ページ完了、残り約 %3 秒…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>（以下は OCR で認識したテキスト）</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>全画面表示 · F11 または Esc で終了</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>ページの色を切り替え</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>見開き表示</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>最初のページを単独で表示</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>見開き</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>2 ページを並べて表示（D）</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>ページの色</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>ページの色（Ctrl+Alt+N）：夜間は明暗を反転し、色相を保ちます</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>夜間</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>テーマに合わせる</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>ファイル名に認識できない文字が含まれているため、プログラムはこのファイルを読み込めません。ファイル名を変更してから開き直してください。</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>フラット化したコピー（画像）…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG に自分の注釈を含める</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>文書のプロパティ…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>フォームをリセット</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>ページを開けるブラウザーがありません。Dovrix のホームページ：%1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>文字を認識（OCR）</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>このページ</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>テキストのないすべてのページ</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>文書を開くと、ここに表示されます
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>ズーム %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR をキャンセルしました</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR 完了：%1 ページ</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>%1 ページ目の OCR に失敗しました：%2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR は利用できません</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>テキストのないページを探しています…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>すべてのページにテキストがあります。認識の必要はありません</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>このページにはテキスト層がありません · %1 で文字を認識</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>%1 ページ目の OCR 完了：%2 行のテキストを認識しました</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>ページの描画に失敗しました</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR エンジンの初期化に失敗しました</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR エンジンは利用できません</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR の初期化に失敗しました：%1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>検出モデルが見つかりません：%1（%2）</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>認識モデルが見つかりません：%1（%2）</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>認識モデルに埋め込み辞書（character メタデータ）がありません。</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll に OrtGetApiBase エクスポートがありません。</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API のバージョンが一致しません（OrtApi v%1 が必要です）。</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>onnxruntime.dll を読み込めないため、OCR は利用できません。試した場所：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>一時的に %1° 回転（今回の表示のみ）</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>音声合成エンジンがインストールされていません（例：Qt Speech の flite プラグイン）。</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>音声合成エンジンを使用できません：%1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>見つかりませんでした。この文書がスキャン画像（テキストレイヤーなし）の場合は、OCR 後に検索やコピーができます。</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>この文書を OCR…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>キーワードを入力して検索（Ctrl+F）</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>「%1」は見つかりません</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>「%1」を検索しています…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>「%1」は見つかりません。</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>（OCR テキスト）</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>（テキスト未読み込み）</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>%1 ページ%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>「%1」：%n 件ヒット</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>「%1」を検索しています… %2 / %3 ページ検索済み、現在 %n 件ヒット</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>実行中の Dovrix ウィンドウが一度に受け付けるファイルは最大 %1 個です。ファイルは開かれませんでした。</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix —— 読み取り専用の PDF ビューアー：オフライン、テレメトリなし、元のファイルを変更しません。</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>開く PDF ファイル。</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>文書を開いたらこのページの文字を認識します（デバッグ・自動実行用）。</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>このページで開く：1 から数えるページ番号、または文書のページラベル（例：iv）。</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>開いた後にこのテキストを検索し、最初の一致に移動します。</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX 順方向検索：TeX ソースのこの行が組版された位置までスクロールし、短く強調表示します。</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>PDF ファイルを開くエンジン：mupdf（既定）または qtpdf（比較と不具合報告用）。</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>快</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>読み上げが終わりました</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>ブックマーク、読み上げ、SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>ブックマークを追加</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>ブックマークの名前を変更</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>ブックマークを削除</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>読み上げ</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>このページから読み上げ</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>読み上げを停止</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>逆方向検索のエディターコマンド…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>逆方向検索のエディターコマンドが設定されていません（ツール → 逆方向検索のエディターコマンド…）</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>SyncTeX データに %1 の %2 行目の位置がありません</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>この文書の横に SyncTeX ファイル（.synctex.gz または .synctex）がありません</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>SyncTeX ファイルが壊れていて読み込めません</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>SyncTeX ファイルはこの PDF の別のビルドのものです。もう一度コンパイルしてください</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>この場所に対応するソースの位置がありません</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>エディターを起動できません：%1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 の %2 行目をエディターで開きました</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>逆方向検索のエディターコマンド</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>ページを Ctrl+クリックしたときに実行するコマンド（%f ファイル、%l 行、%c 列）。例：editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>ブックマーク「%1」を追加しました</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>ブックマーク名：</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>読み上げを再開</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>読み上げを一時停止</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>SyncTeX ファイルは展開すると %1 MB を超えるため、読み込みを拒否しました</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>SyncTeX ファイルが読み取りプログラムをクラッシュさせたかメモリを使い果たしたため、拒否しました</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>SyncTeX ファイルの読み込みに時間がかかりすぎたため、拒否しました</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>SyncTeX ファイル内のソースファイル名に改行または NUL 文字が含まれているため、エディターに渡しませんでした</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>対応付けできない文字があります（ToUnicode テーブルがない可能性があります）</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>単語間隔は配置から推定しているため、テキストが分断されている可能性があります</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>ヘッダー/フッター領域</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 文字をコピーしました</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>原寸</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>単一ページ</translation>
    </message>
</context>
</TS>
