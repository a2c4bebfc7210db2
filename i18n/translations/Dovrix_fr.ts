<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Le fichier est peut-être endommagé ou n&apos;est pas un PDF valide.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Le document est chiffré.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Cette méthode de chiffrement PDF n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Un problème est survenu lors de l&apos;ouverture du document.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Impossible d&apos;afficher la page %1 ; l&apos;exportation a été interrompue.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Impossible de créer le fichier de sortie : %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Ancrée au texte, repositionnable après une remise en page</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Rectangle de secours : la position peut dériver après une remise en page</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Surlignage</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Soulignement</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Supprimer l&apos;annotation</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Texte de la note (facultatif, tout type peut en avoir une)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Supprimer cette annotation ?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Mode annotation activé : faites glisser sur le texte ou tracez un cadre pour annoter, cliquez sur une annotation pour la modifier</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Annotations enregistrées</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Les annotations sont enregistrées dans un fichier annexe local (.dovrixmark)
et ne sont pas visibles si le fichier source est ouvert dans d&apos;autres lecteurs comme Adobe.

Dovrix ne modifie jamais le PDF source.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Les annotations sont enregistrées uniquement dans un fichier local .dovrixmark ; elles ne sont pas visibles si le fichier source est ouvert dans d&apos;autres lecteurs comme Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · page %2 · couleur %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Aucune annotation. Activez le mode annotation et faites glisser sur le texte pour en créer une.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Mes annotations</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>Dans le document (%1, lecture seule)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Copier dans mes notes</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Les annotations de ce type ne peuvent pas être copiées dans mes notes.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Cette annotation n&apos;a pas pu être lue entièrement. Elle est conservée telle quelle dans le fichier d&apos;annotations et ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>annotation illisible</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Le fichier d&apos;annotations existe mais ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Le dossier n&apos;est pas accessible en écriture. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Le chemin d&apos;exportation est celui du fichier source. Opération interrompue, car le fichier source n&apos;est jamais modifié.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Le chemin d&apos;exportation est celui du fichier d&apos;annotations. Opération interrompue.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Résumé des annotations Dovrix (%1 au total)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Page %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Ancrée au texte </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(position p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Remarque : les annotations sont enregistrées uniquement dans un fichier annexe local ; elles ne sont pas visibles si le fichier source est ouvert dans d&apos;autres lecteurs comme Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Le fichier d&apos;annotations est le fichier source lui-même et n&apos;est pas écrit. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>Un dossier occupe l&apos;emplacement du fichier d&apos;annotations. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Le fichier d&apos;annotations illisible ne peut pas être sauvegardé ; l&apos;enregistrement est arrêté pour ne pas l&apos;écraser. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Échec de l&apos;enregistrement des annotations : %1. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Le nom du fichier contient des caractères non reconnus : aucun fichier d&apos;annotations ne peut être enregistré à côté. Les annotations restent en mémoire ; exportez-les avant de fermer.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Ce fichier d&apos;annotations a été écrit par une version plus récente de Dovrix. Il est ouvert en lecture seule : les modifications ne sont pas enregistrées.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Aucun signet pour l’instant. Ctrl+D ajoute un signet à l’endroit affiché.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Ce document n&apos;a pas de table des matières intégrée (chapitres/signets).
La position de lecture est tout de même mémorisée automatiquement.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Soulignement ondulé</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Dessin à main levée</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Ligne brisée</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Signe d&apos;insertion</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Fichier joint</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>L&apos;ouverture du fichier a pris trop de temps.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Variable (%1 formats)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Enregistrer une copie…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Propriétés du document — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Toutes les pages</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Incorporée</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Les pièces jointes sont seulement enregistrées en copie ; Dovrix ne les ouvre ni ne les exécute jamais.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Créateur</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Producteur PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Version PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>impression</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>copie du texte</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>modification</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>annotation</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>remplissage de formulaires</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Autorisations déclarées</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Autorisé : %1
Non autorisé : %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Balisé</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Le document contient du JavaScript ; Dovrix ne l&apos;exécute pas.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Pièces jointes (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Enregistrer une copie de la pièce jointe</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>La pièce jointe est endommagée et illisible.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Copie enregistrée :
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Impossible d&apos;enregistrer la pièce jointe : %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Nouveau document</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Exporté vers :
%1

Le fichier source n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Exporter la page actuelle en PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Impossible d&apos;afficher la page. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Exporter tout le texte (ordre de lecture)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Résumé des annotations</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Ce document n&apos;a aucune annotation.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Exporter le résumé des annotations</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Exporter le PDF avec les annotations</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Exportation du PDF avec les annotations…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Exporté vers :
%1

Le fichier source n&apos;a pas été modifié. Les annotations sont intégrées à la copie et visibles dans Adobe, WPS ou un navigateur.
(La copie est un PDF aplati, rendu page par page : même apparence, mais son texte ne peut plus être sélectionné.)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Impression…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1 page(s) envoyée(s) à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Impossible d&apos;afficher une page ; l&apos;impression a été interrompue.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Export du texte dans l&apos;ordre de lecture…
Page %1 sur %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Exporter une copie aplatie (images)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Annotations et mise à l’échelle</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>Avec les annotations</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>Ajuster au papier</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Exporté vers :
%1

Le fichier source n’a pas été modifié. Les annotations figurent dans la copie comme annotations PDF standard, visibles aussi dans les autres lecteurs ; le texte, les liens et le sommaire sont conservés.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Le service d’impression n’a pas accepté la tâche : %1
Rien n’a été perdu ; réessayez, ou imprimez dans un fichier.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Impossible de lire le fichier source : %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Impossible d’écrire %1 :
%2

Aucun fichier incomplet n’a été laissé ; le fichier source n’a pas été modifié.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Aucun service d’impression (CUPS) trouvé.
Imprimer plutôt le document dans un fichier PDF ?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Champ de signature (affichage seul)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Les scripts de ce formulaire ne s&apos;exécutent pas : les champs que le document calculerait ou mettrait en forme gardent ce que vous avez saisi.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Les champs de signature sont seulement affichés ; Dovrix ne signe pas les documents.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Barre latérale</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Précédent (historique d&apos;affichage)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Suivant (historique d&apos;affichage)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Ouvrir un PDF (un onglet par document)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Imprimer (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Exporter vers un nouveau fichier (le fichier source n&apos;est pas modifié)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Page actuelle en image (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Texte intégral (TXT, ordre de lecture)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Résumé des annotations (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF avec annotations (copie)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Intègre les annotations actuelles dans un nouveau PDF, visible dans Adobe/WPS ; le fichier source reste inchangé</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Mode annotation (A) : surlignage / soulignement / barré / note / rectangle / flèche</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Pivoter de 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Pivoter de 90° temporairement (pour cet affichage uniquement)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Rechercher dans le document · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Changer la langue de l&apos;interface</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Ouvrir la page d&apos;accueil de Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Ouvrez un PDF pour commencer à lire. Dovrix est une visionneuse en lecture seule qui ne modifie jamais le fichier source.
Vous pouvez ouvrir plusieurs documents à la fois, chacun dans son onglet.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Ouvrir un PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Effacer les fichiers récents</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Le fichier source a été modifié en dehors de Dovrix. Rechargez-le pour afficher le contenu le plus récent.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix, un lecteur ultrarapide</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Basculer entre page unique et défilement continu</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Fermer le document</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Onglet suivant</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Mode privé</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Résultat suivant</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Résultat précédent</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Copier le texte sélectionné</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Mode page unique</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Pivoter de 90° temporairement</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Taille réelle (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Mode annotation</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Ouvrir un PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Documents PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Ouverture impossible</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Le fichier n&apos;existe pas ou n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Les annotations ne correspondent pas au contenu du document ; les ancrages rectangulaires peuvent dériver</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Ouverture du document…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Mot de passe incorrect, veuillez réessayer</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Ce document est chiffré</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Saisissez le mot de passe d&apos;ouverture (Dovrix ne casse ni ne supprime les restrictions) :</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Fichier source modifié par un autre programme</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Lecture seule : empreinte du fichier source inchangée</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256 : %1
Dovrix ne modifie jamais le fichier source.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Mode privé : activé</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Mode privé : désactivé</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Mode privé : ni fichiers récents ni cache de miniatures ne sont enregistrés</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Page %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Cette page est une image numérisée sans couche de texte)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Une partie du texte de cette page peut être peu fiable)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Surlignage (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Soulignement (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Barré (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Note (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Rectangle (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Flèche (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Aller à la page…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Saisissez un numéro ou une étiquette de page et appuyez sur Entrée (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>OCR hors ligne en cours…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>OCR hors ligne en cours : %1/%2 pages faites, environ %3 s restantes…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Texte reconnu par OCR ci-dessous)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Plein écran · F11 ou Échap pour quitter</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Changer les couleurs de page</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Affichage en double page</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Première page seule</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Deux pages</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Deux pages côte à côte (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Couleurs de page</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Couleurs de page (Ctrl+Alt+N) : le mode nuit inverse clair et sombre et garde les teintes</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Selon le thème</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Le nom du fichier contient des caractères non reconnus : le programme ne peut pas lire ce fichier. Renommez le fichier puis ouvrez-le de nouveau.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Copie aplatie (images)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG avec mes annotations</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Propriétés du document…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Réinitialiser le formulaire</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Aucun navigateur n’a pu ouvrir la page. Page d’accueil de Dovrix : %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Reconnaître le texte (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Cette page</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Toutes les pages sans texte</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Ouvrez un document pour voir ici
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR annulé</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR terminé : %1 pages</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Échec de l&apos;OCR de la page %1 : %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR indisponible</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Recherche des pages sans texte…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>Chaque page contient du texte ; rien à reconnaître</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>Cette page n’a pas de couche de texte · %1 reconnaît son texte</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR de la page %1 terminé : %2 lignes de texte reconnues</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Échec du rendu de la page</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Échec de l&apos;initialisation du moteur OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Moteur OCR indisponible</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Échec de l&apos;initialisation de l&apos;OCR : %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Modèle de détection introuvable : %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Modèle de reconnaissance introuvable : %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>Le modèle de reconnaissance n&apos;a pas de dictionnaire intégré (métadonnées « character »).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>Il manque l&apos;exportation OrtGetApiBase dans onnxruntime.dll.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Version de l&apos;API onnxruntime incompatible (OrtApi v%1 requise).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Impossible de charger onnxruntime.dll ; l&apos;OCR est indisponible. Emplacements essayés :%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Pivotée de %1° temporairement (pour cet affichage uniquement)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Aucun synthétiseur vocal n’est installé (par exemple le module flite de Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Le synthétiseur vocal est inutilisable : %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Aucun résultat. Si ce document est une image numérisée (sans couche de texte), lancez l&apos;OCR pour rechercher et copier son texte.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>OCR de ce document…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Saisissez un mot-clé pour rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>Aucune occurrence de « %1 »</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Recherche de « %1 »…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>Aucune occurrence de « %1 ».</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(texte OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(texte pas encore chargé)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Page %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>« %1 » : %n occurrence</numerusform>
            <numerusform>« %1 » : %n occurrences</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Recherche de « %1 »… %2 pages sur %3 parcourues, %n occurrence pour l&apos;instant</numerusform>
            <numerusform>Recherche de « %1 »… %2 pages sur %3 parcourues, %n occurrences pour l&apos;instant</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>La fenêtre Dovrix en cours accepte au plus %1 fichiers à la fois ; aucun fichier n&apos;a été ouvert.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — visionneuse PDF en lecture seule : hors ligne, sans télémétrie, ne modifie jamais le fichier source.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>Le fichier PDF à ouvrir.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Reconnaître le texte de cette page dès l’ouverture du document (débogage et exécutions automatiques).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Ouvrir à cette page : un numéro compté à partir de 1 ou l’étiquette de page du document lui-même (comme iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Chercher ce texte à l’ouverture et aller au premier résultat.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Recherche SyncTeX directe : aller à l’endroit où cette ligne de la source TeX a été composée et la marquer brièvement.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Le moteur qui ouvre les fichiers PDF : mupdf (par défaut) ou qtpdf (pour les comparaisons et les rapports de bogue).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Lecture à voix haute terminée</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Signets, lecture à voix haute et SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Ajouter un signet</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Renommer le signet</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Supprimer le signet</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Lecture à voix haute</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Lire à voix haute depuis cette page</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Commande de l’éditeur pour la recherche inverse…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Aucune commande d’éditeur pour la recherche inverse (Outils → Commande de l’éditeur pour la recherche inverse…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>Les données SyncTeX n’ont aucune position pour la ligne %2 de %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Aucun fichier SyncTeX à côté de ce document (.synctex.gz ou .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Le fichier SyncTeX est endommagé et illisible</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Le fichier SyncTeX provient d’une autre compilation de ce PDF ; recompilez</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Aucune position dans la source ne correspond à cet endroit</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Impossible de lancer l’éditeur : %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 ouvert à la ligne %2 dans l’éditeur</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Commande de l’éditeur pour la recherche inverse</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Commande lancée par Ctrl+clic sur une page (%f fichier, %l ligne, %c colonne), par exemple : editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Signet « %1 » ajouté</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Nom du signet :</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Reprendre la lecture</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Mettre la lecture en pause</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Le fichier SyncTeX dépasse %1 Mo une fois décompressé ; il a été refusé sans être lu</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Le fichier SyncTeX a fait planter son lecteur ou épuisé sa mémoire ; il a été refusé</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>La lecture du fichier SyncTeX a pris trop de temps ; il a été refusé</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Le nom du fichier source dans le fichier SyncTeX contient un saut de ligne ou un caractère NUL ; il n&apos;a pas été transmis à l&apos;éditeur</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Certains caractères ne peuvent pas être convertis (la table ToUnicode manque peut-être)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Espacement des mots déduit de la géométrie ; le texte peut être fragmenté</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Zone d&apos;en-tête/pied de page</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1 caractères copiés</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Page unique</translation>
    </message>
</context>
</TS>
